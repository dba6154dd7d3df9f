// The list of recently opened drawings, newest first, kept in the application's settings.
#pragma once

#include <QSettings>
#include <QStringList>

namespace viewer {

class RecentFiles {
 public:
  static constexpr int kMaxFiles = 8;

  // Reads and writes the list under the key "recentFiles" of settings, which must outlive this.
  explicit RecentFiles(QSettings& settings);

  // The files that still exist, newest first; entries whose file is gone are dropped from the
  // settings too.
  QStringList files();
  // Puts file (made absolute) first, once, and keeps the newest kMaxFiles.
  void add(const QString& file);
  void clear();

 private:
  void store(const QStringList& files);

  QSettings& settings_;
};

}  // namespace viewer
