#include "qtui/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "qtui/fonts.h"
#include "qtui/message_box.h"

namespace qtui {

namespace {

void AddUnique(QStringList& list, const QString& item) {
  if (!list.contains(item)) list.append(item);
}

// The description without the patterns it names at its end ("LCA project
// files (*.PRJ)" -> "LCA project files"): the dialog shows the patterns it
// matches there instead. Other parentheses stay ("Plans (draft)").
QString WithoutNamedPatterns(QString description) {
  description = description.trimmed();
  if (!description.endsWith(QLatin1Char(')'))) return description;
  const qsizetype open = description.lastIndexOf(QLatin1Char('('));
  if (open < 0) return description;
  const QString inside = description.mid(open + 1, description.size() - open - 2).trimmed();
  if (!inside.startsWith(QLatin1Char('*'))) return description;
  return description.left(open).trimmed();
}

}  // namespace

QStringList ToQtFilters(const std::string& filter) {
  QStringList out;
  for (const forms::FilterEntry& entry : forms::ParseFilter(filter)) {
    QStringList patterns;
    for (const QString& raw : ToQString(entry.pattern).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const QString p = raw.trimmed();
      if (p.isEmpty()) continue;
      if (p == QLatin1String("*.*") || p == QLatin1String("*")) {
        AddUnique(patterns, QStringLiteral("*"));
        continue;
      }
      AddUnique(patterns, p);
      AddUnique(patterns, p.toUpper());
      AddUnique(patterns, p.toLower());
    }
    if (patterns.isEmpty()) patterns.append(QStringLiteral("*"));
    const QString description = WithoutNamedPatterns(ToQString(entry.description));
    const QString list = patterns.join(QLatin1Char(' '));
    out.append(description.isEmpty() ? QStringLiteral("(%1)").arg(list)
                                     : QStringLiteral("%1 (%2)").arg(description, list));
  }
  return out;
}

std::optional<std::string> RunFileDialog(const forms::FileDialogRequest& request, bool open) {
  // With no folder given the dialog starts in the home folder, never in
  // whatever folder the process happens to be in.
  const QString folder = request.initialFolder.empty() ? QDir::homePath() : ToQString(request.initialFolder);
  QFileDialog dialog(DialogParent(), ToQString(request.title), folder);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  if (open) dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Open"));
  const QStringList filters = ToQtFilters(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!request.fileName.empty()) dialog.selectFile(ToQString(request.fileName));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
  return ToStdString(QFileInfo(chosen.front()).absoluteFilePath());
}

}  // namespace qtui
