#include "package/widget_collection.h"

#include "orvane/orvane.h"
#include "orvane/tessary.h"
#include "package/designer_widget.h"
#include "package/palette_icons.h"

namespace orvane {

namespace {

// The form text Designer inserts for a new instance: the class, an object name and a size.
QString dom_xml(const QString& class_name, const QString& object_name, int width, int height) {
  return QStringLiteral(
             "<ui language=\"c++\">\n"
             " <widget class=\"%1\" name=\"%2\">\n"
             "  <property name=\"geometry\">\n"
             "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
             "  </property>\n"
             " </widget>\n"
             "</ui>\n")
      .arg(class_name, object_name)
      .arg(width)
      .arg(height);
}

DesignerWidgetInfo orvane_info() {
  const QString name = QStringLiteral("orvane::TOrvane");
  return {name,
          QStringLiteral("orvane/orvane.h"),
          QStringLiteral("3D wireframe drawing with views, zoom, picking, files and printing"),
          dom_xml(name, QStringLiteral("orvane"), 240, 160),
          orvane_palette_icon,
          [](QWidget* parent) -> QWidget* { return new TOrvane(parent); }};
}

DesignerWidgetInfo tessary_info() {
  const QString name = QStringLiteral("orvane::TTessary");
  return {name, QStringLiteral("orvane/tessary.h"),
          QStringLiteral("Plane-geometry calculator; not shown when the application runs"),
          // The size TTessary keeps in design mode.
          dom_xml(name, QStringLiteral("tessary"), 28, 28), tessary_palette_icon,
          [](QWidget* parent) -> QWidget* { return new TTessary(parent, true); }};
}

}  // namespace

WidgetCollection::WidgetCollection(QObject* parent) : QObject(parent) {
  widgets_ = {new DesignerWidget(orvane_info(), this), new DesignerWidget(tessary_info(), this)};
}

}  // namespace orvane
