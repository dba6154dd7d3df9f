// One widget class as Qt Designer sees it: its name, header, palette group, icon and factory.
#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <functional>

namespace orvane {

// The palette group both component classes are listed in.
inline constexpr const char* kPaletteGroup = "Vesklin";

struct DesignerWidgetInfo {
  QString name;  // the class name as .ui files and uic write it
  QString include_file;
  QString tool_tip;
  QString dom_xml;
  std::function<QIcon()> icon;
  std::function<QWidget*(QWidget* parent)> create;
};

class DesignerWidget : public QObject, public QDesignerCustomWidgetInterface {
  Q_OBJECT
  Q_INTERFACES(QDesignerCustomWidgetInterface)

 public:
  DesignerWidget(DesignerWidgetInfo info, QObject* parent);

  QString name() const override { return info_.name; }
  QString group() const override { return QString::fromLatin1(kPaletteGroup); }
  QString toolTip() const override { return info_.tool_tip; }
  QString whatsThis() const override { return info_.tool_tip; }
  QString includeFile() const override { return info_.include_file; }
  QIcon icon() const override;
  bool isContainer() const override { return false; }
  QWidget* createWidget(QWidget* parent) override { return info_.create(parent); }
  bool isInitialized() const override { return initialized_; }
  void initialize(QDesignerFormEditorInterface* /*core*/) override { initialized_ = true; }
  QString domXml() const override { return info_.dom_xml; }

 private:
  DesignerWidgetInfo info_;
  mutable QIcon icon_;  // painted on first use, when the application exists
  bool initialized_ = false;
};

}  // namespace orvane
