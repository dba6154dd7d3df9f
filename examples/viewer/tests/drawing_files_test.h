#pragma once

#include <QObject>

namespace viewer::test {

class DrawingFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void drawingKindComesFromTheExtensionInAnyCase();
  void imageKindComesFromTheExtension();
};

}  // namespace viewer::test
