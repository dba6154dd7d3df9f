#include "drawing_files_test.h"

#include <QTest>

#include "drawing_files.h"

namespace viewer::test {

void DrawingFilesTest::drawingKindComesFromTheExtensionInAnyCase() {
  QCOMPARE(cad_type_for("/a/b.cdl"), 1);
  QCOMPARE(cad_type_for("plan.DXF"), 2);
  QCOMPARE(cad_type_for("part.igs"), 3);
  QCOMPARE(cad_type_for("part.Iges"), 3);
  QCOMPARE(cad_type_for("plate.tvg"), 4);
  QCOMPARE(cad_type_for("notes.txt"), 0);
  QCOMPARE(cad_type_for("dxf"), 0);
  QCOMPARE(cad_type_for("archive.dxf.gz"), 0);
}

void DrawingFilesTest::imageKindComesFromTheExtension() {
  QCOMPARE(image_kind_for("a.bmp"), ImageKind::kBmp);
  QCOMPARE(image_kind_for("a.GIF"), ImageKind::kGif);
  QCOMPARE(image_kind_for("a.jpg"), ImageKind::kJpeg);
  QCOMPARE(image_kind_for("a.jpeg"), ImageKind::kJpeg);
  QCOMPARE(image_kind_for("a.png"), ImageKind::kNone);
  QCOMPARE(image_kind_for("bmp"), ImageKind::kNone);
}

}  // namespace viewer::test
