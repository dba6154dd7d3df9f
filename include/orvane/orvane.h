/// @file
/// TOrvane, the 3D wireframe drawing widget, with its event types.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "orvane/canvas.h"
#include "orvane/file_result.h"
#include "orvane/load_report.h"
#include "orvane/mouse_types.h"
#include "orvane/records.h"

class QImage;
class QPrinter;

/// Everything of Orvane: the widgets TOrvane and TTessary and their records.
namespace orvane {

class PaintBoxCanvas;
class TOrvane;
struct WidgetDrawing;

/// A plain notification: OnPaint.
using TNotifyEvent = std::function<void(TOrvane* sender)>;
/// OnPick: the element number found, its near end, far end and midpoint, and the point on it
/// closest to the click.
using TOnPickEvent =
    std::function<void(TOrvane* sender, int element_number, const TDPoint& near_end,
                       const TDPoint& far_end, const TDPoint& mid, const TDPoint& closest)>;
/// OnZoom: the current window's view height (half the model height it shows) and centre.
using TOnZoomEvent =
    std::function<void(TOrvane* sender, double size, double center_x, double center_y)>;
/// OnChangeView: the window now shown.
using TOnChangeViewEvent = std::function<void(TOrvane* sender, TDView new_view)>;
/// OnMouseDown and OnMouseUp: the button, the keys and buttons held, the widget pixel.
using TMouseEvent =
    std::function<void(TOrvane* sender, TMouseButton button, TShiftState shift, int x, int y)>;
/// OnMouseMove: the keys and buttons held, the widget pixel.
using TMouseMoveEvent = std::function<void(TOrvane* sender, TShiftState shift, int x, int y)>;

/// The drawing widget: a Qt widget that shows, edits, loads, saves, prints and exports a 3D
/// wireframe drawing of numbered points, lines, arcs and circles through four windows (top,
/// front, side, isometric).
///
/// Unless OwnDrawing is set, it keeps no drawing of its own: every property and method works on
/// the one drawing-wide state of the library, so all such instances show and edit the same
/// drawing, and destroying any of them releases the elements of all of them. A widget with
/// OwnDrawing set has all of that state to itself: elements, extents, layers, file name, views,
/// zoom and drawing options.
///
/// The methods with capitalised names are the component's interface; the Qt properties and
/// signals give the same in Qt's terms for Qt Designer and for connections. See @ref guide.
class TOrvane : public QWidget {
  Q_OBJECT
  /// The background colour of every window.
  Q_PROPERTY(QColor Color READ color WRITE setColor)
  /// The colour of the elements made and drawn next.
  Q_PROPERTY(QColor DrawColor READ drawColor WRITE setDrawColor)
  /// The window shown (top, front, side or isometric).
  Q_PROPERTY(View View READ view WRITE setView)
  /// The pen mode of the widget's canvas.
  Q_PROPERTY(DrawMode DrawMode READ drawMode WRITE setDrawMode)
  /// The line type of the elements made next (0 or 1 solid, 2 dotted, 3 dash-dot, 4 dash-dot-dot).
  Q_PROPERTY(int LineType READ GetLineType WRITE SetLineType)
  /// Which element types a pick finds.
  Q_PROPERTY(PickFilter PickFilter READ pickFilter WRITE setPickFilter)
  /// The layer of the elements made next.
  Q_PROPERTY(int CurrentLayer READ GetCurrentLayer WRITE SetCurrentLayer)
  /// The file format of LoadFromFile, MergeFile and SaveToFile: 1 CDL, 2 DXF, 3 IGES, 4 TVG.
  Q_PROPERTY(int CadType READ cadType WRITE SetCadType)
  /// The drawing units written to files.
  Q_PROPERTY(Units Units READ units WRITE setUnits)
  /// While set, a drag with the middle button pans the current window (Ctrl + left always does).
  Q_PROPERTY(bool MousePan READ GetMousePan WRITE SetMousePan)
  /// While set, printing draws every element in black.
  Q_PROPERTY(bool PrintMonochrome READ GetPrintMonochrome WRITE SetPrintMonochrome)
  /// The component's version: reads "1.1"; a value written is ignored.
  Q_PROPERTY(QString Version READ version WRITE setVersion)
  /// The largest distance of the lines that stand for a curve read from a file.
  Q_PROPERTY(double ChordTolerance READ GetChordTolerance WRITE SetChordTolerance)
  /// The mouse button of the rotate gesture.
  Q_PROPERTY(Qt::MouseButton RotateButton READ GetRotateButton WRITE SetRotateButton)
  /// The keys held for the rotate gesture.
  Q_PROPERTY(Qt::KeyboardModifiers RotateModifiers READ GetRotateModifiers WRITE SetRotateModifiers)
  /// How a drag shows the drawing until the button is released.
  Q_PROPERTY(bool FirstElementsPreview READ GetFirstElementsPreview WRITE SetFirstElementsPreview)
  /// Whether the widget has a drawing of its own rather than the shared one.
  Q_PROPERTY(bool OwnDrawing READ OwnDrawing WRITE SetOwnDrawing DESIGNABLE true)

 public:
  // The enumerations of the properties as Qt lists them (Designer shows their names); each
  // value is the drawing core's value of the same name.

  /// The View property's values: TDView as Qt lists it.
  enum class View : uint8_t {
    vTOP = orvane::vTOP,  ///< top view
    vFRONT,               ///< front view
    vSIDE,                ///< side view
    vISO                  ///< isometric view
  };
  Q_ENUM(View)
  /// The PickFilter property's values: TDFilter as Qt lists it.
  enum class PickFilter : uint8_t {
    fAll = orvane::fAll,  ///< every type
    fPoints,              ///< points only
    fLines,               ///< lines only
    fArcs,                ///< arcs and circles only
    fPointLine,           ///< points and lines
    fPointArc,            ///< points, arcs and circles
    fLineArc              ///< lines, arcs and circles
  };
  Q_ENUM(PickFilter)
  /// The Units property's values: TDUnits as Qt lists it.
  enum class Units : uint8_t {
    uINCH = orvane::uINCH,  ///< inches
    uMM                     ///< millimetres
  };
  Q_ENUM(Units)
  /// The DrawMode property's values: TPenMode as Qt lists it.
  enum class DrawMode : uint8_t {
    pmBlack = orvane::pmBlack,  ///< black
    pmWhite,                    ///< white
    pmNop,                      ///< leaves the pixel
    pmNot,                      ///< inverts the pixel
    pmCopy,                     ///< the pen colour
    pmNotCopy,                  ///< the inverse of the pen colour
    pmMergePenNot,              ///< pen or inverted pixel
    pmMaskPenNot,               ///< pen and inverted pixel
    pmMergeNotPen,              ///< inverted pen or pixel
    pmMaskNotPen,               ///< inverted pen and pixel
    pmMerge,                    ///< pen or pixel
    pmNotMerge,                 ///< not (pen or pixel)
    pmMask,                     ///< pen and pixel
    pmNotMask,                  ///< not (pen and pixel)
    pmXor,                      ///< pen xor pixel
    pmNotXor                    ///< not (pen xor pixel)
  };
  Q_ENUM(DrawMode)

 public:
  /// A widget on the drawing-wide state; the first one made finds the drawing set up.
  explicit TOrvane(QWidget* parent = nullptr);
  /// Releases every element of the drawing: with OwnDrawing, of its own drawing only; otherwise
  /// of the shared drawing, for every widget that shows it.
  ~TOrvane() override;

  /// Whether the widget has a drawing of its own (off by default: the shared drawing). Each call
  /// on a widget with its own drawing makes that drawing the core's current one for the call and
  /// brings back the one before, also when calls nest through events and signals (a handler
  /// called from it that calls a shared widget sees the shared drawing). Set it before the widget
  /// is used.
  bool OwnDrawing() const { return own_ != nullptr; }
  /// Turning it on gives the widget a new empty drawing in the start state (views, zoom and
  /// options as a new widget's), whatever it showed before; turning it off frees the widget's own
  /// drawing and it shows the shared drawing again. Either way it repaints.
  void SetOwnDrawing(bool value);

  // Events; an empty one is skipped.

  /// Fired when a pick found an element (see Pick).
  TOnPickEvent OnPick;
  /// Fired after a zoom or pan of the current window.
  TOnZoomEvent OnZoom;
  /// Fired after the window shown changed.
  TOnChangeViewEvent OnChangeView;
  /// Fired by Paint after the drawing was redrawn.
  TNotifyEvent OnPaint;
  /// Fired when a mouse button goes down, after the widget's own handling.
  TMouseEvent OnMouseDown;
  /// Fired when the pointer moves, after the widget's own handling.
  TMouseMoveEvent OnMouseMove;
  /// Fired when a mouse button is released, after the widget's own handling.
  TMouseEvent OnMouseUp;

  /// The widget's canvas, for drawing on the picture directly.
  Canvas& canvas();
  /// The picture on the widget, with every pending drawing in it.
  const QImage& backing_image();

  // Properties.

  /// The background colour (0x00BBGGRR).
  TColor GetBackgroundColor() const;
  /// Sets the background colour (0x00BBGGRR); the next Redraw shows it.
  void SetBackgroundColor(TColor value);
  /// The colour of the elements made and drawn next (0x00BBGGRR).
  TColor GetCurrentColor() const;
  /// Sets the colour of the elements made and drawn next (0x00BBGGRR).
  void SetCurrentColor(TColor value);
  /// The pen mode of the widget's canvas.
  TPenMode GetDrawMode() const;
  /// Sets the pen mode of the widget's canvas.
  void SetDrawMode(TPenMode value);
  /// The line type of the elements made next.
  int GetLineType() const;
  /// Sets the line type of the elements made next.
  void SetLineType(int value);
  /// The layer of the elements made next.
  int GetCurrentLayer() const;
  /// Sets the layer of the elements made next.
  void SetCurrentLayer(int value);
  /// The file format: 1 CDL, 2 DXF, 3 IGES, 4 TVG.
  int GetCadType() const;
  /// Sets the file format; a value outside 1..4 selects CDL (1).
  void SetCadType(int value);
  /// The drawing units.
  TDUnits GetUnits() const;
  /// Sets the drawing units.
  void SetUnits(TDUnits value);
  /// Whether a middle-button drag pans.
  bool GetMousePan() const;
  /// Sets whether a middle-button drag pans.
  void SetMousePan(bool value);
  /// Which element types a pick finds.
  TDFilter GetPickFilter() const;
  /// Sets which element types a pick finds.
  void SetPickFilter(TDFilter value);
  /// Always "1.1".
  std::string GetVersion() const;
  /// Accepted and ignored.
  void SetVersion(const std::string& value);

  // The same properties in Qt's types, as the Qt properties read and write them. Colours are
  // opaque RGB (an invalid colour is ignored); CadType reads 1 while the drawing-wide value is
  // outside 1..4, as the file routines then read CDL.

  /// The Color property: the background colour.
  QColor color() const;
  /// Sets the Color property; an invalid colour is ignored.
  void setColor(const QColor& value);
  /// The DrawColor property: the colour of the elements made and drawn next.
  QColor drawColor() const;
  /// Sets the DrawColor property; an invalid colour is ignored.
  void setDrawColor(const QColor& value);
  /// The View property: the window shown.
  View view() const;
  /// Sets the View property, as SetView does.
  void setView(View value);
  /// The DrawMode property: the pen mode of the widget's canvas.
  DrawMode drawMode() const;
  /// Sets the DrawMode property.
  void setDrawMode(DrawMode value);
  /// The PickFilter property.
  PickFilter pickFilter() const;
  /// Sets the PickFilter property.
  void setPickFilter(PickFilter value);
  /// The Units property.
  Units units() const;
  /// Sets the Units property.
  void setUnits(Units value);
  /// The CadType property: 1 while the drawing-wide value is outside 1..4.
  int cadType() const;
  /// The Version property: "1.1".
  QString version() const;
  /// Accepted and ignored.
  void setVersion(const QString& value);

  // The rotate gesture: a drag with exactly this button and these keys held (Alt + left unless
  // set). A drag with the middle button and Shift rotates as well. NoButton turns the gesture
  // off; only the left, right and middle buttons are taken.

  /// The button of the rotate gesture (Qt::LeftButton unless set).
  Qt::MouseButton GetRotateButton() const { return rotate_button_; }
  /// Sets the button of the rotate gesture: a drag with exactly this button and the
  /// RotateModifiers held rotates the isometric view. Qt::NoButton turns the gesture off; only
  /// the left, right and middle buttons are taken. A middle-button drag with Shift always
  /// rotates.
  void SetRotateButton(Qt::MouseButton value);
  /// The keys of the rotate gesture (Qt::AltModifier unless set).
  Qt::KeyboardModifiers GetRotateModifiers() const { return rotate_modifiers_; }
  /// Sets the keys held, exactly, for the rotate gesture.
  void SetRotateModifiers(Qt::KeyboardModifiers value);

  /// How a drag shows the drawing until the release draws all of it. Off (the default): a pan
  /// moves the last picture with the pointer and a rotation draws elements spread over the
  /// whole drawing, as many as fit in a frame's time. On: every move clears the picture and
  /// draws the first 200 elements, and the release draws over that frame without clearing it.
  bool GetFirstElementsPreview() const { return first_elements_preview_; }
  /// Sets how a drag shows the drawing (see GetFirstElementsPreview).
  void SetFirstElementsPreview(bool value) { first_elements_preview_ = value; }

  // Making elements stores them without drawing; each returns the element's number, 0 when the
  // element was refused.

  /// Stores a point in the current colour, line type and layer; returns its number, 0 when it
  /// was refused (coordinates out of range, no memory). Nothing is drawn.
  int MakePoint(double x, double y, double z);
  /// Stores a line from (x1, y1, z1) to (x2, y2, z2); returns its number or 0.
  int MakeLine(double x1, double y1, double z1, double x2, double y2, double z2);
  /// Stores an arc in the plane of view (window 1..4 or an arc view), counterclockwise from
  /// start_angle to end_angle in degrees; returns its number or 0.
  int MakeArc(int view, double cx, double cy, double cz, double radius, double start_angle,
              double end_angle);
  /// Stores a circle, filled or outlined; returns its number or 0.
  int MakeCircle(double cx, double cy, double cz, double radius, bool filled);
  /// MakePoint with the point's coordinates.
  int MakePointX(const TDPoint& p);
  /// MakeLine with the line's end points.
  int MakeLineX(const TDLine& l);
  /// MakeArc with the arc's values, in the plane of the current view (1 unless changed).
  int MakeArcX(const TDArc& a);

  // Drawing on the canvas stores nothing; the picture lasts until the next Redraw.

  /// Draws a point in the current colour on the widget; stores nothing, so the next Redraw
  /// removes it.
  void DrawPoint(double x, double y, double z);
  /// Draws a line in the current colour and line type; stores nothing.
  void DrawLine(double x1, double y1, double z1, double x2, double y2, double z2);
  /// Draws an arc in the plane of view; stores nothing.
  void DrawArc(int view, double cx, double cy, double cz, double radius, double start_angle,
               double end_angle);
  /// Draws a circle, filled or outlined; stores nothing.
  void DrawCircle(double cx, double cy, double cz, double radius, bool filled);
  /// DrawPoint with the point's coordinates.
  void DrawPointX(const TDPoint& p);
  /// DrawLine with the line's end points.
  void DrawLineX(const TDLine& l);
  /// DrawArc with the arc's values, in the plane of window 1 (top).
  void DrawArcX(const TDArc& a);

  // Element access by number; numbers outside 1..GetLastElement() and free numbers are ignored.

  /// The highest element number in use (0 for an empty drawing).
  int GetLastElement() const;
  /// A copy of element index; an all-zero record for a number out of range or free.
  TElement GetElement(int index) const;
  /// Overwrites every field of element index; no redraw. Ignored for a number out of range or
  /// free.
  void SetElement(int index, const TElement& e);
  /// Whether element index is deleted; true for a number out of range or free.
  bool GetIsDeleted(int index) const;
  /// Deletes (value true) or restores element index and takes it out of the group; no redraw.
  void SetIsDeleted(int index, bool value);
  /// Draws element index on the widget in the current window.
  void DrawElement(int index);
  /// Frees every element; the next element made gets number 1.
  void ClearElements();

  // Painting.

  /// Paints the plot window's rectangle in the background colour.
  void Clear();
  /// Clears the widget and draws every element on a visible layer in the current window, then
  /// the axis symbol when it is shown.
  void Redraw();
  /// Draws the axis symbol, whatever GetShowAxis says.
  void DrawAxis();
  /// Whether Redraw draws the axis symbol (false unless set).
  bool GetShowAxis() const;
  /// Sets whether Redraw draws the axis symbol; no redraw.
  void SetShowAxis(bool value);
  /// Redraw, then OnPaint and the painted signal.
  virtual void Paint();
  /// Paints at once, as an exposure does.
  void Repaint();

  // Layers and arc views.

  /// Whether layer 0..254 is shown; false for any other layer.
  bool GetVisibleLayer(int layer) const;
  /// Shows or hides layer 0..254; no redraw. Other layers are ignored.
  void SetVisibleLayer(int layer, bool visible);
  /// Stores v's coefficients as arc view index (1..90); other indexes are ignored.
  void SetArcView(int index, const TDView3D& v);
  /// Index 1..90: the arc view with the index in reserved[0]; any other index leaves result as
  /// it was.
  void GetArcView(int index, TDView3D& result) const;
  /// Arc view index (1..90) with the index in reserved[0]; an all-zero record for any other
  /// index.
  TDView3D GetArcView(int index) const;

  // Coordinates of the current window.

  /// The widget pixel of the view-plane point (x, y) in the current window; z is not used.
  TPoint CoordToPixel(double x, double y, double z) const;
  /// The model point under widget pixel (px, py) in the current window.
  TDPoint PixelToCoord(int px, int py) const;

  // Views and rotation.

  /// The window shown.
  TDView GetView() const;
  /// Shows window v: fires OnChangeView, then redraws.
  void SetView(TDView v);
  /// Rotates the isometric window to rx, ry, rz degrees about X, Y and Z and shows it: fires
  /// OnChangeView, then redraws.
  void RotateView(double rx, double ry, double rz);
  /// Sets the isometric rotation about X in degrees; fires OnChangeView, no redraw.
  void SetXRotation(double v);
  /// Sets the isometric rotation about Y in degrees; fires OnChangeView, no redraw.
  void SetYRotation(double v);
  /// Sets the isometric rotation about Z in degrees; fires OnChangeView, no redraw.
  void SetZRotation(double v);
  /// The isometric rotation about X in degrees.
  double GetXRotation() const;
  /// The isometric rotation about Y in degrees.
  double GetYRotation() const;
  /// The isometric rotation about Z in degrees.
  double GetZRotation() const;

  // Zoom, pan and centre of the current window.

  /// Fits the current window to the drawing's extents and redraws; fires OnZoom.
  void ZoomAll();
  /// Shows half the height (magnification times 2) and redraws; fires OnZoom.
  void ZoomDouble();
  /// Shows twice the height and redraws; fires OnZoom.
  void ZoomHalf();
  /// Swaps the current window's height and centre with the remembered ones and redraws; fires
  /// OnZoom.
  void ZoomLast();
  /// Fits the rectangle of widget pixels (x1, y1)-(x2, y2), corners in any order, and redraws;
  /// fires OnZoom, also when the rectangle was refused.
  void ZoomWindow(int x1, int y1, int x2, int y2);
  /// Each notch halves (notches > 0) or doubles (notches < 0) the view height about the pixel
  /// (x, y), whose model point stays under it; then Redraw and OnZoom. 0 notches does nothing.
  void ZoomAt(int x, int y, int notches);
  /// Moves the centre of the current window by (dx, dy) model units and redraws.
  void Pan(double dx, double dy);
  /// Centres the current window on (x, y) and redraws.
  void ViewCenter(double x, double y);
  /// Shows a model height of s; fires OnChangeView, then redraws.
  void SetViewSize(double s);
  /// The model height the current window shows.
  double GetViewSize() const;
  /// Sets the x of the current window's centre; no redraw.
  void SetCenterX(double v);
  /// Sets the y of the current window's centre; no redraw.
  void SetCenterY(double v);
  /// The x of the current window's centre.
  double GetCenterX() const;
  /// The y of the current window's centre.
  double GetCenterY() const;

  // Drawing files in the format CadType names. Each returns true when it succeeded. On failure
  // it returns false and LastFileError() says why in a sentence that names the file;
  // LastFileResult() gives the same with the kind of failure and the I/O code. A file that
  // cannot be opened or read, or that holds no record of the format at all, leaves the drawing,
  // every window and FileName() exactly as they were. None of them throws for a file that fails.

  /// Replaces the drawing with the file, read in the format CadType names, and fits every
  /// window to it without redrawing. Returns false, with the drawing left as it was, when the
  /// file cannot be opened or read or holds no record of the format; an empty file loads an
  /// empty drawing. While a load runs the old drawing is kept, so it needs memory for both.
  bool LoadFromFile(const std::string& file_name);
  /// Adds the file's elements to the drawing; every window stays as it was. Returns false, with
  /// the drawing left as it was, when the file fails.
  bool MergeFile(const std::string& file_name);
  /// Writes the drawing in the format CadType names (CDL for TVG); returns false when the file
  /// could not be written completely.
  bool SaveToFile(const std::string& file_name);
  /// Why the last LoadFromFile, MergeFile or SaveToFile failed, in a sentence that names the
  /// file, ready to show to the user; empty after one that succeeded.
  std::string LastFileError() const;
  /// The result of the last LoadFromFile, MergeFile or SaveToFile, with the kind of failure and
  /// the I/O code.
  const FileResult& LastFileResult() const { return file_result_; }
  /// The file of the drawing on screen: the one last loaded or saved, whatever its format (""
  /// for a drawing never loaded or saved). A merge does not change it. Printing uses it as
  /// title.
  std::string FileName() const;
  /// What the last load or merge made (elements by type) and left out (entity kinds with
  /// counts and why).
  const LoadReport& GetLoadReport() const;
  /// GetLoadReport as one short line of text.
  std::string LoadReportText() const;
  /// The name a layer has in the drawing's file ("" when it has none). DXF files name their
  /// layers.
  std::string LayerName(int layer) const;
  /// The layer of a name, -1 when no layer has it.
  int LayerNumber(const std::string& name) const;
  /// Curves the store cannot hold (ellipses, splines) are read as lines that stay within this
  /// distance of the curve, in drawing units (0.01 unless set).
  double GetChordTolerance() const;
  /// Sets the chord tolerance; values that are not positive are ignored.
  void SetChordTolerance(double value);

  // Image files of the picture on the widget, exactly its width x height pixels. The name is used
  // as it stands (no extension is added or tested) and an existing file is overwritten. A file
  // that cannot be written throws std::runtime_error.

  /// Writes the picture on the widget as a BMP file (name used as it stands, an existing file
  /// overwritten).
  /// @throws std::runtime_error when the file cannot be written
  void SaveBMP(const std::string& file_name);
  /// Writes the picture on the widget as a GIF file.
  /// @throws std::runtime_error when the file cannot be written
  void SaveGIF(const std::string& file_name);
  /// Writes the picture on the widget as a JPEG file.
  /// @throws std::runtime_error when the file cannot be written
  void SaveJPEG(const std::string& file_name);
  /// Puts the visible drawing on the clipboard as an SVG picture (image/svg+xml) of the
  /// widget's size on the background colour.
  void WmfToClipboard();
  /// Puts the picture on the widget on the clipboard as a bitmap.
  void BmpToClipboard();

  // Printing on the current printer, or the system's default printer when none is set (a PDF
  // file where the system has no printer).

  /// Prints the visible elements as vectors on the current printer (the system's default, or a
  /// PDF file where the system has no printer), the widget's width filling the page's.
  /// @throws std::runtime_error when the print cannot be made
  void PrintCad();
  /// Prints the picture on the widget.
  /// @throws std::runtime_error when the print cannot be made
  void PrintBMP();
  /// Prints the visible elements as vectors on a printer the application set up (through a
  /// QPrintDialog, say: its printer, page, resolution or output file), as PrintCad does.
  /// @throws std::runtime_error when the print cannot be made
  void PrintCad(QPrinter& printer);
  /// Prints the picture on the widget on a printer the application set up.
  /// @throws std::runtime_error when the print cannot be made
  void PrintBMP(QPrinter& printer);
  /// Whether printing draws every element in black (false unless set).
  bool GetPrintMonochrome() const;
  /// Sets whether printing draws every element in black.
  void SetPrintMonochrome(bool value);

  // The group (the elements drawn in red) and the transforms. Only DeleteGroup, ShiftGroup and
  // NewOrigin redraw.

  /// Adds element index to the group (drawn in red); 0 adds every element.
  void AddToGroup(int index);
  /// Empties the group.
  void ClearGroup();
  /// Deletes every member of the group, then redraws.
  void DeleteGroup();
  /// Moves element index by minus (dx, dy, dz); no redraw.
  void ShiftElement(int index, double dx, double dy, double dz);
  /// Makes count copies of the group, copy k moved by k (dx, dy, dz); the sources are deleted
  /// unless keep is set. Then redraws.
  void ShiftGroup(double dx, double dy, double dz, int count, bool keep);
  /// Makes (x, y, z) the drawing's origin, then redraws.
  void NewOrigin(double x, double y, double z);
  /// Makes a copy of element index rotated by angle degrees about (cx, cy) in the current
  /// view's plane; the copy joins the group. No redraw.
  void RotateElement(int index, double angle, double cx, double cy);
  /// Makes count rotated copies of every group member, at angle, 2 angle, ...; the sources are
  /// deleted unless keep is set. No redraw.
  void RotateGroup(double angle, double cx, double cy, int count, bool keep);

  /// Arms picking: the next mouse release searches the element under the pointer and reports it
  /// through OnPick and the picked signal.
  void Pick();
  /// Arms picking (true) or disarms it (false).
  void Pick(bool value);

 signals:
  // Each is emitted right after the event of the same meaning, with the event's arguments
  // (QObject::sender() gives the widget).

  /// A pick found element element_number: its near end, far end and midpoint, and the point
  /// on it closest to the click. Emitted right after OnPick.
  void picked(int element_number, const orvane::TDPoint& near_end, const orvane::TDPoint& far_end,
              const orvane::TDPoint& mid, const orvane::TDPoint& closest);
  /// The current window was zoomed: its view height (half the model height shown) and centre.
  /// Emitted right after OnZoom.
  void zoomed(double size, double center_x, double center_y);
  /// The window shown changed. Emitted right after OnChangeView.
  void viewChanged(orvane::TDView new_view);
  /// Paint redrew the drawing. Emitted right after OnPaint.
  void painted();
  /// A mouse button went down at widget pixel (x, y). Emitted right after OnMouseDown.
  void mouseDown(orvane::TMouseButton button, orvane::TShiftState shift, int x, int y);
  /// The pointer moved to widget pixel (x, y). Emitted right after OnMouseMove.
  void mouseMove(orvane::TShiftState shift, int x, int y);
  /// A mouse button was released at widget pixel (x, y). Emitted right after OnMouseUp.
  void mouseUp(orvane::TMouseButton button, orvane::TShiftState shift, int x, int y);
  /// Escape ended a pending pick or a drag, or asked the application to drop a zoom window it is
  /// tracking.
  void cancelled();

 protected:
  /// The widget's handling of a button press (pan, rotate), then OnMouseDown.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  /// The widget's handling of a pointer move (pan, rotate), then OnMouseMove.
  virtual void MouseMove(TShiftState shift, int x, int y);
  /// The widget's handling of a button release (pick, end of a drag), then OnMouseUp.
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

  /// Fires OnPick and the picked signal.
  void set_onpick(int element_number, const TDPoint& near_end, const TDPoint& far_end,
                  const TDPoint& mid, const TDPoint& closest);
  /// Fires OnZoom and the zoomed signal for the current window.
  void set_onzoom();
  /// Fires OnChangeView and the viewChanged signal.
  void set_onchangeview();

  /// Shows the picture, redrawing it first when the widget needs it.
  void paintEvent(QPaintEvent* event) override;
  /// Brings every window to the new size.
  void resizeEvent(QResizeEvent* event) override;
  /// Makes the fits done before the widget was shown for the size it is shown at.
  void showEvent(QShowEvent* event) override;
  /// Passes the press to MouseDown.
  void mousePressEvent(QMouseEvent* event) override;
  /// Passes the press to MouseDown with ssDouble held.
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  /// Passes the move to MouseMove.
  void mouseMoveEvent(QMouseEvent* event) override;
  /// Passes the release to MouseUp.
  void mouseReleaseEvent(QMouseEvent* event) override;
  /// Zooms about the pointer, one notch per wheel step (see ZoomAt).
  void wheelEvent(QWheelEvent* event) override;
  /// Arrows pan, + and - zoom, Home fits the drawing, Escape cancels.
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

  std::unique_ptr<PaintBoxCanvas> canvas_owner_;
  PaintBoxCanvas& canvas_;   // *canvas_owner_
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
  std::unique_ptr<WidgetDrawing> own_;  // the widget's own drawing; none for the shared one
};

}  // namespace orvane
