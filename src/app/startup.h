#pragma once

class QApplication;

// What the program sets up once, before its first window: the application's
// names for the desktop and Qt's own texts in French; the window icon follows
// once the event loop runs. The tests call it too, so that they run under the
// program's own set-up.
struct StartupReport
{
    // False when Qt's French translation is not installed: Qt's own texts
    // (context menus, standard buttons) then stay in English.
    bool frenchQtTexts = false;
};

StartupReport prepareApplication(QApplication &app);
