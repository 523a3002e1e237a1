#include "platform/qt/dialogs.h"

#include <QColor>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>

#include "platform/qt/qstrings.h"

namespace kvirlo::qt {

std::optional<std::string> QtDialogs::openFile(const FileDialogRequest& r) {
  // Programs on Linux have no ".exe"; the tuner's dialog lists every file.
  QString patterns = r.filter == "*.exe" ? "*" : q(r.filter);
  QString filter = r.description.empty() ? patterns : q(r.description) + " (" + patterns + ")";
  // A folder that is gone leaves the choice to Qt rather than an empty view.
  const QString folder = QDir(q(r.folder)).exists() ? q(r.folder) : QString();
  const QString chosen = QFileDialog::getOpenFileName(nullptr, q(r.title), folder, filter);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.toStdString();
}

std::optional<Colour> QtDialogs::chooseColour(Colour initial) {
  const QColor chosen = QColorDialog::getColor(QColor(redOf(initial), greenOf(initial), blueOf(initial)));
  if (!chosen.isValid()) return std::nullopt;
  return rgb(chosen.red(), chosen.green(), chosen.blue());
}

}  // namespace kvirlo::qt
