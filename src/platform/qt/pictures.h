#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace kvirlo::qt {

// The program's own pictures, drawn here: the window and tray icon, the
// indicator's close box, the alert's bell, the sound window's folder.
QIcon appIcon();
QPixmap picture(const QString& name, QSize size);
// The alert window's background: soft rings behind the text.
QPixmap alertBackground(QSize size);

}  // namespace kvirlo::qt
