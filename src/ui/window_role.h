#pragma once

class QWidget;

// Makes assistive tools announce a plain top-level widget as a window with
// its title, as they do for dialogs and main windows, instead of as a filler.
// Open popup menus are listed among the application's windows as well, so
// that tools walking the tree find a context menu and its entries.
void reportAsWindow(QWidget* window);
