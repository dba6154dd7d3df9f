// TForm1: the demo's main window. One drawing (Orvane1), the calculator (Tessary1), the menus,
// the view and scale panels and four demo pages, with the handlers that drive the components.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTabWidget>
#include <functional>

#include "core/records.h"
#include "orvane/orvane.h"

namespace orvane {
class TTessary;
}

namespace orvane::demo {

class DemoUi;
class RubberBand;
class TForm2;
class TForm3;
class TForm4;

// The pick filter for the three check boxes, the later rule overriding the earlier: none or all
// give fAll, one gives its own filter, two give their pair.
TDFilter pick_filter_for(bool points, bool lines, bool arcs);

// The texts of the read-outs: "X%8.3f Y%8.3f Z%8.3f" for the mouse, without blanks between the
// parts for the pick labels.
QString mouse_text(const TDPoint& p);
QString pick_point_text(const TDPoint& p);

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // The entry dialogs are made here too, after the main window, hidden until the Draw menu asks.
  explicit TForm1(DemoUi& ui, QWidget* parent = nullptr);
  ~TForm1() override;

  // Loads a drawing as "Load CAD" does with the chosen file: CadType from the extension, load,
  // then zoom to it.
  void LoadCad(const QString& file_name);

  bool zoom_window_armed() const { return zoom_armed_; }
  bool zoom_dragging() const { return zoom_dragging_; }
  // The rubber-band rectangle in Orvane1's pixels, as X0, Y0, X1, Y1 keep it.
  QRect zoom_rectangle() const { return QRect(QPoint(X0, Y0), QPoint(X1, Y1)); }

  TOrvane* Orvane1;
  TTessary* Tessary1;
  TForm2* Form2;
  TForm3* Form3;
  TForm4* Form4;

  // Screen Center, Scale, rotation, and the edit fields of the demo pages.
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8;
  QLineEdit *Edit9, *Edit10, *Edit11, *Edit12, *Edit13, *Edit14, *Edit15, *Edit16;
  QLabel *Label1, *Label13, *Label14, *Label15, *Label16, *Label17, *Label20;
  QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5, *CheckBox6, *CheckBox7;
  QPushButton *Button1, *Button2, *Button3, *Button4, *Button5, *Button6, *Button7, *Button8;
  QPushButton *Button9, *Button10, *Button11, *Button12, *Button14, *Button15, *BitBtn1;
  QTabWidget* PageControl1;

  // The menu items.
  QAction *LoadCAD1, *SaveCAD1, *SaveBMP1, *SaveGIF1, *SaveJPEG1, *PrintCAD1, *PrintBitmap1;
  QAction *Metafile1, *Bitmap1;
  QAction *TopView1, *FrontView1, *SideView1, *ISOView1, *BackgroundColor1, *Redraw1, *Axis1;
  QAction *ZoomAll1, *ZoomHalf1, *ZoomDouble1, *ZoomWindow1;
  QAction *Point1, *Line1, *Arc1, *CurrentColor1;

 private:
  // Layout of the panels and pages.
  void build_drawing_area(QWidget* client);
  void build_view_panels(QWidget* client);
  void build_pages(QWidget* client);
  QWidget* build_pick_page();
  QWidget* build_rotate_page();
  QWidget* build_shift_page();
  QWidget* build_origin_page();

  // Menus and their handlers.
  void build_menus();
  void build_file_menu();
  void build_view_menu();
  void build_draw_menu();
  void save_cad();
  void show_load_report();
  void save_image(int filter_index, const QString& default_ext,
                  void (TOrvane::*save)(const std::string&));
  void print(void (TOrvane::*print)());
  void choose_color(TColor (TOrvane::*get)() const, void (TOrvane::*set)(TColor));
  void toggle_axis();

  // Buttons.
  void connect_buttons();
  void connect_group_buttons();
  void update_scale();
  void rotate_group();
  void shift_group();
  void start_pick();

  // Events of Orvane1.
  void bind_events();
  void refresh_view_fields();
  void show_rotations();
  void mouse_down(int x, int y);
  void mouse_move(int x, int y);
  void mouse_up();
  void picked(int n, const TDPoint& near_end, const TDPoint& far_end, const TDPoint& mid,
              const TDPoint& closest);
  void tessary_point(const TElement& e);
  void tessary_line(const TElement& e);
  void tessary_arc(const TElement& e, const TDPoint& closest);

  // Runs a handler; an exception ends it and shows its message.
  void on(QAction* action, std::function<void()> handler);
  void on(QPushButton* button, std::function<void()> handler);

  DemoUi& ui_;
  RubberBand* rubber_band_;
  bool zoom_armed_ = false;
  bool zoom_dragging_ = false;
  int X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
};

}  // namespace orvane::demo
