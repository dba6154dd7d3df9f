#include "platform/qt/qt_printer.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <stdexcept>

namespace orvane {

namespace {

std::string last_pdf;

QString documents_folder() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!dir.isEmpty() && QDir().mkpath(dir)) return dir;
  return QDir::homePath();
}

}  // namespace

std::string default_pdf_print_file() {
  const QByteArray chosen = qgetenv("ORVANE_PRINT_PDF");
  if (!chosen.isEmpty()) return chosen.toStdString();
  const QDir dir(documents_folder());
  const QString stem = "orvane-print-" + QDateTime::currentDateTime().toString("yyyyMMdd-hhmmss");
  QString name = stem + ".pdf";
  for (int n = 2; dir.exists(name); ++n)
    name = stem + "-" + QString::number(n) + ".pdf";
  return dir.filePath(name).toStdString();
}

std::string last_pdf_print_file() {
  return last_pdf;
}

QtPrinter::QtPrinter()
    : owned_(std::make_unique<QPrinter>(QPrinter::HighResolution)), printer_(*owned_) {
  const QPrinterInfo system = QPrinterInfo::defaultPrinter();
  if (!system.isNull()) {
    printer_.setPrinterName(system.printerName());
  }
  // Qt falls back to PDF output when there is no printer to print on.
  to_file_ = system.isNull() || printer_.outputFormat() == QPrinter::PdfFormat;
  if (to_file_) printer_.setOutputFormat(QPrinter::PdfFormat);
}

QtPrinter::QtPrinter(const std::string& pdf_file)
    : owned_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      printer_(*owned_),
      to_file_(true),
      output_file_(pdf_file) {
  printer_.setOutputFormat(QPrinter::PdfFormat);
}

QtPrinter::QtPrinter(QPrinter& printer) : printer_(printer) {}

QtPrinter::~QtPrinter() {
  if (page_) EndDoc();
}

int QtPrinter::PageWidth() const {
  return printer_.pageRect(QPrinter::DevicePixel).toRect().width();
}

int QtPrinter::PageHeight() const {
  return printer_.pageRect(QPrinter::DevicePixel).toRect().height();
}

int QtPrinter::WidthMM() const {
  return printer_.widthMM();
}

void QtPrinter::SetTitle(const std::string& title) {
  printer_.setDocName(QString::fromStdString(title));
}

std::string QtPrinter::Title() const {
  return printer_.docName().toStdString();
}

CurveCanvas& QtPrinter::GetCanvas() {
  return page_ ? static_cast<CurveCanvas&>(*page_) : idle_;
}

void QtPrinter::BeginDoc() {
  if (page_) return;
  if (to_file_) {
    if (output_file_.empty()) output_file_ = default_pdf_print_file();
    printer_.setOutputFileName(QString::fromStdString(output_file_));
  }
  page_ = std::make_unique<QtCanvas>(&printer_);
  if (page_->isActive()) return;
  page_.reset();
  if (to_file_) {
    throw std::runtime_error("Cannot print: there is no printer and the PDF file \"" +
                             output_file_ + "\" cannot be written.");
  }
  const QString target =
      printer_.outputFileName().isEmpty() ? printer_.printerName() : printer_.outputFileName();
  throw std::runtime_error("Cannot print on the printer \"" + target.toStdString() + "\".");
}

void QtPrinter::EndDoc() {
  if (!page_) return;
  page_.reset();  // ends painting, which completes the document
  if (to_file_) last_pdf = output_file_;
}

void QtPrinter::Abort() {
  if (!page_) return;
  printer_.abort();
  page_.reset();
  if (to_file_) QFile::remove(QString::fromStdString(output_file_));
}

}  // namespace orvane
