#include "recent_files.h"

#include <QFileInfo>

namespace viewer {

namespace {

const QString kKey = QStringLiteral("recentFiles");

}  // namespace

RecentFiles::RecentFiles(QSettings& settings) : settings_(settings) {}

QStringList RecentFiles::files() {
  const QStringList stored = settings_.value(kKey).toStringList();
  QStringList existing;
  for (const QString& file : stored)
    if (QFileInfo(file).isFile()) existing.append(file);
  if (existing != stored) store(existing);
  return existing;
}

void RecentFiles::add(const QString& file) {
  const QString path = QFileInfo(file).absoluteFilePath();
  QStringList list = files();
  list.removeAll(path);
  list.prepend(path);
  store(list.mid(0, kMaxFiles));
}

void RecentFiles::clear() {
  store({});
}

void RecentFiles::store(const QStringList& files) {
  settings_.setValue(kKey, files);
  settings_.sync();
}

}  // namespace viewer
