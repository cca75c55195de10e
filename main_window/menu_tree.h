#pragma once
// The main window's menu tree: item names, captions and places.

#include <QString>
#include <vector>

struct Menueintrag {
    QString name;     // objectName of the action (and of the menu, for a submenu)
    QString caption;  // "-" for a separator
    QString eltern;   // the submenu it stands in; empty for the menu bar
};

const std::vector<Menueintrag>& Menübaum();
