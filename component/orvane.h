// TOrvane: the drawing widget. It keeps no drawing of its own: every property and method works
// on the one drawing-wide state of the core, so all instances show and edit the same drawing.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "component/mouse_types.h"
#include "component/orvane_canvas.h"
#include "core/records.h"
#include "fileio/file_result.h"

class QImage;

namespace orvane {

struct LoadReport;

class TOrvane;

using TNotifyEvent = std::function<void(TOrvane* sender)>;
using TOnPickEvent =
    std::function<void(TOrvane* sender, int element_number, const TDPoint& near_end,
                       const TDPoint& far_end, const TDPoint& mid, const TDPoint& closest)>;
using TOnZoomEvent =
    std::function<void(TOrvane* sender, double size, double center_x, double center_y)>;
using TOnChangeViewEvent = std::function<void(TOrvane* sender, TDView new_view)>;
using TMouseEvent =
    std::function<void(TOrvane* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TOrvane* sender, TShiftState shift, int x, int y)>;

class TOrvane : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QColor Color READ color WRITE setColor)
  Q_PROPERTY(QColor DrawColor READ drawColor WRITE setDrawColor)
  Q_PROPERTY(View View READ view WRITE setView)
  Q_PROPERTY(DrawMode DrawMode READ drawMode WRITE setDrawMode)
  Q_PROPERTY(int LineType READ GetLineType WRITE SetLineType)
  Q_PROPERTY(PickFilter PickFilter READ pickFilter WRITE setPickFilter)
  Q_PROPERTY(int CurrentLayer READ GetCurrentLayer WRITE SetCurrentLayer)
  Q_PROPERTY(int CadType READ cadType WRITE SetCadType)
  Q_PROPERTY(Units Units READ units WRITE setUnits)
  Q_PROPERTY(bool MousePan READ GetMousePan WRITE SetMousePan)
  Q_PROPERTY(bool PrintMonochrome READ GetPrintMonochrome WRITE SetPrintMonochrome)
  Q_PROPERTY(QString Version READ version WRITE setVersion)
  Q_PROPERTY(double ChordTolerance READ GetChordTolerance WRITE SetChordTolerance)
  Q_PROPERTY(Qt::MouseButton RotateButton READ GetRotateButton WRITE SetRotateButton)
  Q_PROPERTY(Qt::KeyboardModifiers RotateModifiers READ GetRotateModifiers WRITE SetRotateModifiers)
  Q_PROPERTY(bool FirstElementsPreview READ GetFirstElementsPreview WRITE SetFirstElementsPreview)

 public:
  // The enumerations of the properties as Qt lists them (Designer shows their names); each
  // value is the drawing core's value of the same name.
  enum class View : uint8_t { vTOP = orvane::vTOP, vFRONT, vSIDE, vISO };
  Q_ENUM(View)
  enum class PickFilter : uint8_t {
    fAll = orvane::fAll,
    fPoints,
    fLines,
    fArcs,
    fPointLine,
    fPointArc,
    fLineArc
  };
  Q_ENUM(PickFilter)
  enum class Units : uint8_t { uINCH = orvane::uINCH, uMM };
  Q_ENUM(Units)
  enum class DrawMode : uint8_t {
    pmBlack = orvane::pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
  };
  Q_ENUM(DrawMode)

 public:
  explicit TOrvane(QWidget* parent = nullptr);
  // Releases every element of the drawing, for all instances.
  ~TOrvane() override;

  // Events; an empty one is skipped.
  TOnPickEvent OnPick;
  TOnZoomEvent OnZoom;
  TOnChangeViewEvent OnChangeView;
  TNotifyEvent OnPaint;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

  // The widget's canvas and the picture on it (pending drawing flushed).
  Canvas& canvas() { return canvas_; }
  const QImage& backing_image() { return canvas_.image(); }

  // Properties.
  TColor GetBackgroundColor() const;
  void SetBackgroundColor(TColor value);
  TColor GetCurrentColor() const;
  void SetCurrentColor(TColor value);
  TPenMode GetDrawMode() const;
  void SetDrawMode(TPenMode value);
  int GetLineType() const;
  void SetLineType(int value);
  int GetCurrentLayer() const;
  void SetCurrentLayer(int value);
  int GetCadType() const;
  void SetCadType(int value);
  TDUnits GetUnits() const;
  void SetUnits(TDUnits value);
  bool GetMousePan() const;
  void SetMousePan(bool value);
  TDFilter GetPickFilter() const;
  void SetPickFilter(TDFilter value);
  std::string GetVersion() const;
  void SetVersion(const std::string& value);

  // The same properties in Qt's types, as the Qt properties read and write them. Colours are
  // opaque RGB (an invalid colour is ignored); CadType reads 1 while the drawing-wide value is
  // outside 1..4, as the file routines then read CDL.
  QColor color() const;
  void setColor(const QColor& value);
  QColor drawColor() const;
  void setDrawColor(const QColor& value);
  View view() const;
  void setView(View value);
  DrawMode drawMode() const;
  void setDrawMode(DrawMode value);
  PickFilter pickFilter() const;
  void setPickFilter(PickFilter value);
  Units units() const;
  void setUnits(Units value);
  int cadType() const;
  QString version() const;
  void setVersion(const QString& value);

  // The rotate gesture: a drag with exactly this button and these keys held (Alt + left unless
  // set). A drag with the middle button and Shift rotates as well. NoButton turns the gesture
  // off; only the left, right and middle buttons are taken.
  Qt::MouseButton GetRotateButton() const { return rotate_button_; }
  void SetRotateButton(Qt::MouseButton value);
  Qt::KeyboardModifiers GetRotateModifiers() const { return rotate_modifiers_; }
  void SetRotateModifiers(Qt::KeyboardModifiers value);

  // How a drag shows the drawing until the release draws all of it. Off (the default): a pan
  // moves the last picture with the pointer and a rotation draws elements spread over the whole
  // drawing, as many as fit in a frame's time. On: every move clears the picture and draws the
  // first 200 elements, and the release draws over that frame without clearing it.
  bool GetFirstElementsPreview() const { return first_elements_preview_; }
  void SetFirstElementsPreview(bool value) { first_elements_preview_ = value; }

  // Making elements stores them without drawing; each returns the element's number, 0 when the
  // element was refused.
  int MakePoint(double x, double y, double z);
  int MakeLine(double x1, double y1, double z1, double x2, double y2, double z2);
  int MakeArc(int view, double cx, double cy, double cz, double radius, double start_angle,
              double end_angle);
  int MakeCircle(double cx, double cy, double cz, double radius, bool filled);
  int MakePointX(const TDPoint& p);
  int MakeLineX(const TDLine& l);
  int MakeArcX(const TDArc& a);

  // Drawing on the canvas stores nothing; the picture lasts until the next Redraw.
  void DrawPoint(double x, double y, double z);
  void DrawLine(double x1, double y1, double z1, double x2, double y2, double z2);
  void DrawArc(int view, double cx, double cy, double cz, double radius, double start_angle,
               double end_angle);
  void DrawCircle(double cx, double cy, double cz, double radius, bool filled);
  void DrawPointX(const TDPoint& p);
  void DrawLineX(const TDLine& l);
  void DrawArcX(const TDArc& a);

  // Element access by number; numbers outside 1..GetLastElement() and free numbers are ignored.
  int GetLastElement() const;
  TElement GetElement(int index) const;
  void SetElement(int index, const TElement& e);
  bool GetIsDeleted(int index) const;
  void SetIsDeleted(int index, bool value);
  void DrawElement(int index);
  void ClearElements();

  // Painting.
  void Clear();
  void Redraw();
  void DrawAxis();
  bool GetShowAxis() const;
  void SetShowAxis(bool value);
  // Redraw, then OnPaint.
  virtual void Paint();
  // Paints at once, as an exposure does.
  void Repaint();

  // Layers and arc views.
  bool GetVisibleLayer(int layer) const;
  void SetVisibleLayer(int layer, bool visible);
  void SetArcView(int index, const TDView3D& v);
  // Index 1..90: the arc view with the index in reserved[0]; any other index leaves result as it
  // was (the value form then gives an all-zero record).
  void GetArcView(int index, TDView3D& result) const;
  TDView3D GetArcView(int index) const;

  // Coordinates of the current window.
  TPoint CoordToPixel(double x, double y, double z) const;
  TDPoint PixelToCoord(int px, int py) const;

  // Views and rotation.
  TDView GetView() const;
  void SetView(TDView v);
  void RotateView(double rx, double ry, double rz);
  void SetXRotation(double v);
  void SetYRotation(double v);
  void SetZRotation(double v);
  double GetXRotation() const;
  double GetYRotation() const;
  double GetZRotation() const;

  // Zoom, pan and centre of the current window.
  void ZoomAll();
  void ZoomDouble();
  void ZoomHalf();
  void ZoomLast();
  void ZoomWindow(int x1, int y1, int x2, int y2);
  // Each notch halves (notches > 0) or doubles (notches < 0) the view height about the pixel
  // (x, y), whose model point stays under it; then Redraw and OnZoom. 0 notches does nothing.
  void ZoomAt(int x, int y, int notches);
  void Pan(double dx, double dy);
  void ViewCenter(double x, double y);
  void SetViewSize(double s);
  double GetViewSize() const;
  void SetCenterX(double v);
  void SetCenterY(double v);
  double GetCenterX() const;
  double GetCenterY() const;

  // Drawing files in the format CadType names. Loading replaces the drawing and fits every
  // window to it, without redrawing; merging adds to it and leaves every window as it was.
  //
  // Each returns true when it succeeded. On failure it returns false and LastFileError() says
  // why in a sentence that names the file, ready to show to the user (like QFile::errorString);
  // LastFileResult() gives the same with the kind of failure and the I/O code. A file that
  // cannot be opened or read, or that holds no record of the format at all, leaves the drawing,
  // every window and FileName() exactly as they were; an empty file loads an empty drawing.
  // While a load runs the old drawing is kept, so it needs memory for both. None of them throws
  // for a file that fails.
  bool LoadFromFile(const std::string& file_name);
  bool MergeFile(const std::string& file_name);
  bool SaveToFile(const std::string& file_name);
  // Empty after a LoadFromFile, MergeFile or SaveToFile that succeeded.
  std::string LastFileError() const;
  const FileResult& LastFileResult() const { return file_result_; }
  // The file of the drawing on screen: the one last loaded or saved, whatever its format ("" for
  // a drawing never loaded or saved). A merge does not change it. Printing uses it as title.
  std::string FileName() const;
  // What the last load or merge made (elements by type) and left out (entity kinds with counts
  // and why), and the same as one short line of text.
  const LoadReport& GetLoadReport() const;
  std::string LoadReportText() const;
  // The name a layer has in the drawing's file ("" when it has none), and the layer of a name
  // (-1 when no layer has it). DXF files name their layers.
  std::string LayerName(int layer) const;
  int LayerNumber(const std::string& name) const;
  // Curves the store cannot hold (ellipses, splines) are read as lines that stay within this
  // distance of the curve, in drawing units (0.01 unless set); values that are not positive
  // are ignored.
  double GetChordTolerance() const;
  void SetChordTolerance(double value);

  // Image files of the picture on the widget, exactly its width x height pixels. The name is used
  // as it stands (no extension is added or tested) and an existing file is overwritten. A file
  // that cannot be written throws std::runtime_error.
  void SaveBMP(const std::string& file_name);
  void SaveGIF(const std::string& file_name);
  void SaveJPEG(const std::string& file_name);
  // The clipboard: the visible drawing as an SVG picture (image/svg+xml) of the widget's size
  // on the background colour, or the picture on the widget as a bitmap.
  void WmfToClipboard();
  void BmpToClipboard();

  // Printing on the current printer, or the system's default printer when none is set (a PDF
  // file where the system has no printer). PrintCad prints the visible elements as vectors, the
  // widget's width filling the page's; PrintBMP prints the picture on the widget. A print that
  // cannot be made throws std::runtime_error.
  void PrintCad();
  void PrintBMP();
  bool GetPrintMonochrome() const;
  void SetPrintMonochrome(bool value);

  // The group (the elements drawn in red) and the transforms. Only DeleteGroup, ShiftGroup and
  // NewOrigin redraw.
  void AddToGroup(int index);  // 0: every element
  void ClearGroup();
  void DeleteGroup();
  // Moves element index by minus (dx, dy, dz).
  void ShiftElement(int index, double dx, double dy, double dz);
  // count copies of the group, copy k moved by k (dx, dy, dz); the sources are deleted unless
  // keep is set.
  void ShiftGroup(double dx, double dy, double dz, int count, bool keep);
  // (x, y, z) becomes the drawing's origin.
  void NewOrigin(double x, double y, double z);
  // A copy of element index rotated by angle degrees about (cx, cy) in the current view's plane;
  // the copy joins the group.
  void RotateElement(int index, double angle, double cx, double cy);
  // count rotated copies of every group member, at angle, 2 angle, ...
  void RotateGroup(double angle, double cx, double cy, int count, bool keep);

  // Picking: the next mouse release searches the element under the pointer and reports it
  // through OnPick.
  void Pick();
  void Pick(bool value);

 signals:
  // Each is emitted right after the event of the same meaning, with the event's arguments
  // (QObject::sender() gives the widget).
  void picked(int element_number, const orvane::TDPoint& near_end, const orvane::TDPoint& far_end,
              const orvane::TDPoint& mid, const orvane::TDPoint& closest);
  void zoomed(double size, double center_x, double center_y);
  void viewChanged(orvane::TDView new_view);
  void painted();
  void mouseDown(orvane::TMouseButton button, orvane::TShiftState shift, int x, int y);
  void mouseMove(orvane::TShiftState shift, int x, int y);
  void mouseUp(orvane::TMouseButton button, orvane::TShiftState shift, int x, int y);
  // Escape ended a pending pick or a drag, or asked the application to drop a zoom window it is
  // tracking.
  void cancelled();

 protected:
  // The mouse operations: the widget's own handling, then the application's handler.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

  // Firing the events; each does nothing while its handler is empty.
  void set_onpick(int element_number, const TDPoint& near_end, const TDPoint& far_end,
                  const TDPoint& mid, const TDPoint& closest);
  void set_onzoom();
  void set_onchangeview();

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void pan_by_mouse(int x, int y);
  void rotate_by_mouse(int x, int y);
  void finish_pick(int x, int y);
  void quick_frame();
  void sampled_frame();
  void draw_uncovered(int dx, int dy);
  // Lets QVariant convert between the core's enumerations and the Qt ones above.
  static void register_property_types();
  bool is_rotate_gesture(TShiftState s) const;
  // A fit (LoadFromFile, ZoomAll) made before the widget was shown is made again for the size
  // it is shown at; any other zoom or pan of that window drops it.
  void fit_before_show(int window);
  void drop_fit(int window);
  // Brings every window to the widget's size: pending fits are made, and otherwise the model
  // point at the centre stays at the centre with the scale kept (the first time, the view's
  // height is kept instead, since the scale was set for a size that was never shown).
  void fit_to_size();
  void remember_drag_start();
  void cancel();

  PaintBoxCanvas canvas_;
  bool needs_paint_ = true;  // the next paint event runs Paint, not only a copy of the image
  int wheel_rest_ = 0;       // wheel movement short of one notch
  FileResult file_result_;   // of the last load, merge or save
  Qt::MouseButton rotate_button_ = Qt::LeftButton;
  Qt::KeyboardModifiers rotate_modifiers_ = Qt::AltModifier;
  std::array<bool, 5> fit_pending_{};  // by window number
  std::array<QSize, 5> fit_size_{};    // the size each pending fit was made for
  QSize laid_out_size_;                // the size the windows were last brought to
  bool first_elements_preview_ = false;
  double preview_ns_per_element_ = 0;  // measured by the last rotation preview; 0 until then
  double strip_ns_per_element_ = 0;    // measured by the last pan frame that drew elements
  bool drag_cancelled_ = false;        // Escape ended the drag: moves until the release are idle
  struct DragStart {
    int window = 0;
    double center_x = 0, center_y = 0;
    double view_x = 0, view_y = 0, view_z = 0;
    double old_view_x = 0, old_view_y = 0, old_view_z = 0;
  } drag_start_;
};

}  // namespace orvane
