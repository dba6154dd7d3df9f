#pragma once

#include <QObject>
#include <QTemporaryDir>

namespace viewer::test {

// The window's picture as the --screenshot option saves it, checked pixel by pixel.
class PictureTest : public QObject {
  Q_OBJECT

 private slots:
  void linesLieWhereTheFitPutsThem();
  void untickingALayerTakesItsLinesOut();

 private:
  QString picture_file(const QString& name) const;

  QTemporaryDir dir_;
};

}  // namespace viewer::test
