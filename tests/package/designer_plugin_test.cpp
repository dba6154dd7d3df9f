// Loads the package as Qt Designer does and checks what its widget box gets from it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QRegularExpression>
#include <QSet>
#include <QWidget>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <ostream>

// Failure messages show the text.
void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace {

const QString kOrvane = QStringLiteral("orvane::TOrvane");
const QString kTessary = QStringLiteral("orvane::TTessary");

// The built library, or the file ORVANE_TEST_PLUGIN names (the installed Designer link).
QString plugin_file() {
  return qEnvironmentVariable("ORVANE_TEST_PLUGIN", QStringLiteral(ORVANE_PLUGIN_FILE));
}

// The public headers: the source tree's, or the folder ORVANE_TEST_HEADERS names (the installed
// include/orvane/).
QString header_file(const QString& name) {
  return qEnvironmentVariable("ORVANE_TEST_HEADERS",
                              QStringLiteral(ORVANE_SOURCE_DIR "/include/orvane")) +
         u'/' + name;
}

QString read_text(const QString& file_name) {
  QFile file(file_name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << file_name.toStdString();
  return QString::fromUtf8(file.readAll());
}

// The names a header declares for the class: its Q_PROPERTY names, and the functions of its
// "signals:" section.
struct DeclaredNames {
  QSet<QString> properties;
  QSet<QString> signal_names;
};

DeclaredNames declared_names(const QString& header) {
  const QString text = read_text(header);
  DeclaredNames names;
  static const QRegularExpression property(
      QStringLiteral(R"(Q_PROPERTY\(\s*[\w:<>]+\s+(\w+)\s+READ)"));
  for (const auto& m : property.globalMatch(text))
    names.properties.insert(m.captured(1));
  static const QRegularExpression section(
      QStringLiteral(R"(\n\s*signals:(.*?)\n\s*(?:public|protected|private)\b)"),
      QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression function(QStringLiteral(R"(\bvoid\s+(\w+)\s*\()"));
  const QRegularExpressionMatch block = section.match(text);
  if (block.hasMatch()) {
    for (const auto& m : function.globalMatch(block.captured(1)))
      names.signal_names.insert(m.captured(1));
  }
  return names;
}

// The properties and signals the class itself adds to the meta-object, as Designer lists them.
DeclaredNames meta_names(const QMetaObject* mo) {
  DeclaredNames names;
  for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
    names.properties.insert(QString::fromLatin1(mo->property(i).name()));
  for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
    const QMetaMethod m = mo->method(i);
    if (m.methodType() == QMetaMethod::Signal)
      names.signal_names.insert(QString::fromLatin1(m.name()));
  }
  return names;
}

QList<QDesignerCustomWidgetInterface*> designer_widgets() {
  static QPluginLoader loader(plugin_file());
  auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
  EXPECT_NE(collection, nullptr) << loader.errorString().toStdString();
  return collection ? collection->customWidgets() : QList<QDesignerCustomWidgetInterface*>{};
}

QDesignerCustomWidgetInterface* designer_widget(const QString& name) {
  for (auto* widget : designer_widgets()) {
    if (widget->name() == name) return widget;
  }
  ADD_FAILURE() << "no widget " << name.toStdString();
  return nullptr;
}

struct DomWidget {
  QString class_name;
  QSize size;
};

// The class and the default size of the widget a domXml text describes.
DomWidget parse_dom(const QString& xml) {
  DomWidget dom;
  QXmlStreamReader reader(xml);
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    const auto tag = reader.name();
    if (tag == u"widget" && dom.class_name.isEmpty()) {
      dom.class_name = reader.attributes().value(QLatin1String("class")).toString();
    } else if (tag == u"width") {
      dom.size.setWidth(reader.readElementText().toInt());
    } else if (tag == u"height") {
      dom.size.setHeight(reader.readElementText().toInt());
    }
  }
  EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
  return dom;
}

TEST(DesignerPlugin, ListsBothClassesInTheVesklinGroupWithTheirHeaders) {
  const auto widgets = designer_widgets();
  ASSERT_EQ(widgets.size(), 2);
  for (const QString& name : {kOrvane, kTessary}) {
    auto* widget = designer_widget(name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->group(), QStringLiteral("Vesklin"));
    EXPECT_FALSE(widget->isContainer());
    EXPECT_FALSE(widget->toolTip().isEmpty());
    EXPECT_FALSE(widget->toolTip().contains(u'\n'));
    EXPECT_FALSE(widget->icon().isNull());
    // Designer's generated code includes the file as the applications do: "orvane/....h".
    EXPECT_TRUE(widget->includeFile().startsWith(QStringLiteral("orvane/")));
    EXPECT_TRUE(QFileInfo::exists(header_file(widget->includeFile().mid(7))))
        << widget->includeFile().toStdString();
  }
  EXPECT_EQ(designer_widget(kOrvane)->includeFile(), QStringLiteral("orvane/orvane.h"));
  EXPECT_EQ(designer_widget(kTessary)->includeFile(), QStringLiteral("orvane/tessary.h"));
}

TEST(DesignerPlugin, FormTextNamesItsOwnClassWithAUsableSize) {
  for (const QString& name : {kOrvane, kTessary}) {
    auto* widget = designer_widget(name);
    ASSERT_NE(widget, nullptr);
    const DomWidget dom = parse_dom(widget->domXml());
    EXPECT_EQ(dom.class_name, name);
    EXPECT_GE(dom.size.width(), 16) << name.toStdString();
    EXPECT_GE(dom.size.height(), 16) << name.toStdString();
  }
}

TEST(DesignerPlugin, CreatesTheDrawingWidgetInsideTheForm) {
  auto* plugin = designer_widget(kOrvane);
  ASSERT_NE(plugin, nullptr);
  QWidget form;
  QWidget* widget = plugin->createWidget(&form);
  ASSERT_NE(widget, nullptr);
  EXPECT_STREQ(widget->metaObject()->className(), "orvane::TOrvane");
  EXPECT_EQ(widget->parentWidget(), &form);
}

TEST(DesignerPlugin, CreatesTheCalculatorInDesignModeAtItsFormSize) {
  auto* plugin = designer_widget(kTessary);
  ASSERT_NE(plugin, nullptr);
  QWidget form;
  QWidget* widget = plugin->createWidget(&form);
  ASSERT_NE(widget, nullptr);
  EXPECT_STREQ(widget->metaObject()->className(), "orvane::TTessary");
  EXPECT_EQ(widget->parentWidget(), &form);
  // Only the design-mode calculator may appear; the run-time one never reaches the screen.
  EXPECT_FALSE(widget->testAttribute(Qt::WA_DontShowOnScreen));
  EXPECT_EQ(widget->size(), parse_dom(plugin->domXml()).size);
}

// The published properties as Designer's property editor lists them: name, type name, and
// whether it is edited as an enumeration (a drop-down of names).
struct PublishedProperty {
  const char* name;
  const char* type;
  bool enumeration;
};

void expect_properties(QWidget* widget, std::initializer_list<PublishedProperty> expected) {
  const QMetaObject* mo = widget->metaObject();
  for (const PublishedProperty& e : expected) {
    const int index = mo->indexOfProperty(e.name);
    ASSERT_GE(index, 0) << e.name;
    const QMetaProperty p = mo->property(index);
    EXPECT_STREQ(p.typeName(), e.type) << e.name;
    EXPECT_EQ(p.isEnumType(), e.enumeration) << e.name;
    if (e.enumeration) {
      EXPECT_GT(p.enumerator().keyCount(), 1) << e.name;
    }
    EXPECT_TRUE(p.isDesignable() && p.isWritable() && p.isStored()) << e.name;
    // Designer shows the value it reads and writes back what it shows.
    const QVariant value = p.read(widget);
    ASSERT_TRUE(value.isValid()) << e.name;
    EXPECT_TRUE(p.write(widget, value)) << e.name;
  }
}

TEST(DesignerPlugin, TheDrawingWidgetShowsEveryPropertyInAnEditableType) {
  auto* plugin = designer_widget(kOrvane);
  ASSERT_NE(plugin, nullptr);
  QWidget form;
  QWidget* widget = plugin->createWidget(&form);
  ASSERT_NE(widget, nullptr);
  expect_properties(widget, {{"Color", "QColor", false},
                             {"DrawColor", "QColor", false},
                             {"View", "orvane::TOrvane::View", true},
                             {"DrawMode", "orvane::TOrvane::DrawMode", true},
                             {"LineType", "int", false},
                             {"PickFilter", "orvane::TOrvane::PickFilter", true},
                             {"CurrentLayer", "int", false},
                             {"CadType", "int", false},
                             {"Units", "orvane::TOrvane::Units", true},
                             {"MousePan", "bool", false},
                             {"PrintMonochrome", "bool", false},
                             {"Version", "QString", false},
                             {"ChordTolerance", "double", false},
                             {"RotateButton", "Qt::MouseButton", true},
                             {"RotateModifiers", "QFlags<Qt::KeyboardModifier>", true},
                             {"FirstElementsPreview", "bool", false},
                             {"OwnDrawing", "bool", false}});
  const int cad_type = widget->property("CadType").toInt();
  EXPECT_GE(cad_type, 1);
  EXPECT_LE(cad_type, 4);
}

TEST(DesignerPlugin, TheDrawingWidgetListsItsSignalsForTheConnectionEditor) {
  auto* plugin = designer_widget(kOrvane);
  ASSERT_NE(plugin, nullptr);
  QWidget form;
  QWidget* widget = plugin->createWidget(&form);
  ASSERT_NE(widget, nullptr);
  const QMetaObject* mo = widget->metaObject();
  for (const char* signature :
       {"picked(int,orvane::TDPoint,orvane::TDPoint,orvane::TDPoint,orvane::TDPoint)",
        "zoomed(double,double,double)", "viewChanged(orvane::TDView)", "painted()",
        "mouseDown(orvane::TMouseButton,orvane::TShiftState,int,int)",
        "mouseMove(orvane::TShiftState,int,int)",
        "mouseUp(orvane::TMouseButton,orvane::TShiftState,int,int)", "cancelled()"}) {
    const int index = mo->indexOfSignal(QMetaObject::normalizedSignature(signature));
    ASSERT_GE(index, 0) << signature;
    EXPECT_EQ(mo->method(index).access(), QMetaMethod::Public) << signature;
  }
}

// Every Q_PROPERTY and signal the public header declares reaches the meta-object that Designer's
// property and connection editors read, and the meta-object lists nothing the header does not.
TEST(DesignerPlugin, MetaObjectsListExactlyThePropertiesAndSignalsOfTheHeaders) {
  for (const auto& [name, header] : {std::pair{kOrvane, QStringLiteral("orvane.h")},
                                     std::pair{kTessary, QStringLiteral("tessary.h")}}) {
    auto* plugin = designer_widget(name);
    ASSERT_NE(plugin, nullptr);
    QWidget form;
    QWidget* widget = plugin->createWidget(&form);
    ASSERT_NE(widget, nullptr);
    const DeclaredNames declared = declared_names(header_file(header));
    const DeclaredNames listed = meta_names(widget->metaObject());
    EXPECT_FALSE(declared.properties.isEmpty()) << header.toStdString();
    EXPECT_EQ(listed.properties, declared.properties) << header.toStdString();
    EXPECT_EQ(listed.signal_names, declared.signal_names) << header.toStdString();
  }
  // The parse found the drawing widget's signals at all (the calculator declares none).
  EXPECT_TRUE(declared_names(header_file(QStringLiteral("orvane.h")))
                  .signal_names.contains(QStringLiteral("picked")));
}

TEST(DesignerPlugin, TheCalculatorShowsItsVersionAsText) {
  auto* plugin = designer_widget(kTessary);
  ASSERT_NE(plugin, nullptr);
  QWidget form;
  QWidget* widget = plugin->createWidget(&form);
  ASSERT_NE(widget, nullptr);
  expect_properties(widget, {{"Version", "QString", false}});
  EXPECT_EQ(widget->property("Version").toString(), QStringLiteral("1.1"));
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
