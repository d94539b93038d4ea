#pragma once

#include <QIcon>
#include <QImage>

// The program's icon, drawn once as a scalable picture and rendered to the
// sizes a window frame, a task bar and a menu ask for. The packaged PNG files
// are rendered by the same function, so the window and the menu entry show
// the same picture.
QImage renderAppIcon(int size);

QIcon appIcon();
