#include "forms/Form1/form1_window.h"

#include "forms/Form1/form1_design.h"
#include "forms/common_dialog.h"

#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <string_view>

Form1Window::Form1Window()
{
    const design::WindowSpec& spec = Form1Design::window();
    design::applyWindowDesign(this, spec);

    auto* client = new QWidget(this);
    client->setFixedSize(design::px(spec.width), design::px(spec.height));
    setCentralWidget(client);
    design::buildControls(client, Form1Design::controls(), Form1Design::namedBy());
    buildMenus();

    const Form1Design::SaveDialogSpec& dialog = Form1Design::saveDialog();
    auto* saveDialog = new CommonDialog(this);
    saveDialog->setObjectName(dialog.dialog.objectName());
    saveDialog->setDialogTitle(dialog.title);
    saveDialog->setFileName(dialog.fileName);
    saveDialog->setInitialFolder(dialog.initialFolder);

    // The window is exactly the menu bar over the designed client area, with
    // the client area's top-left corner at its designed place on the screen.
    // The menu bar's height is where the laid-out window puts the client
    // area, which a style may make differ from the bar's own size hint.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    const int menuHeight = client->y();
    setGeometry(QRect(QPoint(design::px(spec.left), design::px(spec.top) - menuHeight),
                      QSize(design::px(spec.width), design::px(spec.height) + menuHeight)));
}

void Form1Window::buildMenus()
{
    std::map<std::string_view, QMenu*> menus;
    for (const Form1Design::MenuSpec& item : Form1Design::menus()) {
        if (item.menu.name == kWindowItself) {
            QMenu* menu = menuBar()->addMenu(item.caption);
            menu->setObjectName(item.item.objectName());
            menu->menuAction()->setObjectName(item.item.objectName());
            menus[item.item.name] = menu;
            continue;
        }
        QMenu* menu = menus.at(item.menu.name);
        QAction* action = item.caption == QLatin1StringView("-") ? menu->addSeparator() : menu->addAction(item.caption);
        action->setObjectName(item.item.objectName());
        action->setShortcut(item.shortcut);
    }
}
