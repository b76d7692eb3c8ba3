#pragma once

class QApplication;

// What the program sets up once, before its first window: the application's
// names for the desktop, Qt's own texts in French and the window icon. The
// tests call it too, so that they run under the program's own set-up.
struct StartupReport
{
    // False when Qt's French translation is not installed: Qt's own texts
    // (context menus, standard buttons) then stay in English.
    bool frenchQtTexts = false;
};

StartupReport prepareApplication(QApplication &app);
