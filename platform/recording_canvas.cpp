#include "platform/recording_canvas.h"

#include <cstdio>

namespace orvane {

namespace {

std::string words(const char* name, std::initializer_list<long long> numbers) {
  std::string s = name;
  for (long long n : numbers) {
    s += ' ';
    s += std::to_string(n);
  }
  return s;
}

// Numbers of curves, which need not be whole.
std::string decimals(const char* name, std::initializer_list<double> numbers) {
  std::string s = name;
  char text[32];
  for (double n : numbers) {
    std::snprintf(text, sizeof text, " %.10g", n);
    s += text;
  }
  return s;
}

}  // namespace

const char* pen_style_name(TPenStyle s) {
  static const char* const names[] = {"psSolid",   "psDash",       "psDot",
                                      "psDashDot", "psDashDotDot", "psClear"};
  return s <= psClear ? names[s] : "ps?";
}

const char* pen_mode_name(TPenMode m) {
  static const char* const names[] = {
      "pmBlack",       "pmWhite",      "pmNop",         "pmNot",        "pmCopy",  "pmNotCopy",
      "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge",
      "pmMask",        "pmNotMask",    "pmXor",         "pmNotXor"};
  return m <= pmNotXor ? names[m] : "pm?";
}

const char* brush_style_name(TBrushStyle s) {
  return s == bsSolid ? "bsSolid" : "bsClear";
}

void RecordingCanvas::SetPenColor(TColor c) {
  add(words("PenColor", {c}));
}
void RecordingCanvas::SetPenStyle(TPenStyle s) {
  add(std::string("PenStyle ") + pen_style_name(s));
}
void RecordingCanvas::SetPenWidth(int w) {
  add(words("PenWidth", {w}));
}
void RecordingCanvas::SetPenMode(TPenMode m) {
  add(std::string("PenMode ") + pen_mode_name(m));
}
void RecordingCanvas::SetBrushColor(TColor c) {
  add(words("BrushColor", {c}));
}
void RecordingCanvas::SetBrushStyle(TBrushStyle s) {
  add(std::string("BrushStyle ") + brush_style_name(s));
}
void RecordingCanvas::MoveTo(int x, int y) {
  add(words("MoveTo", {x, y}));
}
void RecordingCanvas::LineTo(int x, int y) {
  add(words("LineTo", {x, y}));
}
void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  add(words("Ellipse", {x1, y1, x2, y2}));
}
void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  add(words("Rectangle", {x1, y1, x2, y2}));
}
void RecordingCanvas::CopyRect(const TRect& dest, Canvas&, const TRect& src, uint32_t mode) {
  add(words("CopyRect", {dest.left, dest.top, dest.right, dest.bottom, src.left, src.top, src.right,
                         src.bottom, mode}));
}
void RecordingCanvas::Arc(double left, double top, double right, double bottom, double start,
                          double span) {
  add(decimals("Arc", {left, top, right, bottom, start, span}));
}
void RecordingCanvas::EllipseArc(const TEllipseFrame& f, double start, double span) {
  add(decimals("EllipseArc", {f.cx, f.cy, f.ux, f.uy, f.vx, f.vy, start, span}));
}
void RecordingCanvas::SetFont(const std::string& name, int size) {
  add("Font " + name + " " + std::to_string(size));
}

}  // namespace orvane
