#include "app/QtDesktop.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QProcess>
#include <QUrl>

#include "app/SecondaryWindow.h"
#include "platform/Paths.h"

namespace jsdebug::app {

QStringList qtNameFilters(const std::string& filter) {
  const QStringList parts = editor::toQt(filter).split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    if (parts[i].isEmpty() && i + 1 >= parts.size()) break;
    QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
    pattern.replace(u';', u' ');
    if (pattern.trimmed().isEmpty()) pattern = QStringLiteral("*");
    filters << parts[i] + QStringLiteral(" (") + pattern.simplified() + u')';
  }
  return filters;
}

std::optional<std::string> QtDesktop::chooseFile(const workflow::FileDialogRequest& request) {
  QFileDialog dialog(nullptr, editor::toQt(request.title));
  const bool save = request.kind == workflow::FileDialogKind::Save;
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = qtNameFilters(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!request.initialPath.empty()) dialog.selectFile(QFile::decodeName(request.initialPath.c_str()));
  dialog.setWindowModality(Qt::ApplicationModal);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  const QByteArray path = QFile::encodeName(chosen.first());
  return std::string(path.constData(), static_cast<std::size_t>(path.size()));
}

bool QtDesktop::openWithDefaultProgram(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(path.c_str())));
}

void QtDesktop::startDetached(const std::string& program) {
  QProcess::startDetached(QFile::decodeName(program.c_str()), {});
}

std::string QtDesktop::executablePath() {
  return platform::joinPath(platform::programDirectory(), platform::programFileName());
}

std::string QtDesktop::executableDirectory() { return platform::programDirectory(); }

}  // namespace jsdebug::app
