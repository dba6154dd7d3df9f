// Draws a line with the installed package and measures it with the calculator; exits non-zero
// when a result is wrong.
#include <QApplication>
#include <cstdio>

#include <orvane/orvane.h>
#include <orvane/tessary.h>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  orvane::TOrvane drawing;
  orvane::TTessary calculator;

  // The library set the drawing up when it was loaded: elements 0 and 1 are taken.
  const int number = drawing.MakeLine(1, 2, 3, 4, 6, 3);
  if (number != 2 || drawing.GetLastElement() != 2) {
    std::fprintf(stderr, "line made as %d, last element %d; expected 2 and 2\n", number,
                 drawing.GetLastElement());
    return 1;
  }
  const orvane::TElement line = drawing.GetElement(number);
  const double length = calculator.GetLineLength(calculator.LineFromElement(line));
  if (line.element_type != orvane::kLine || length != 5.0) {
    std::fprintf(stderr, "element type %d, length %g; expected %d and 5\n",
                 static_cast<int>(line.element_type), length, static_cast<int>(orvane::kLine));
    return 1;
  }
  return 0;
}
