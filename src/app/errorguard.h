#pragma once

#include "app/commanderror.h"
#include "app/messagebox.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <exception>
#include <utility>

// Wraps a command handler so that no failure ever crosses the event loop:
// the steps done before the failure stay done, one message box tells what
// failed, and the application goes on with everything the user entered.
void reportCommandFailure(QWidget *parent, const QString &what);

template<typename Handler>
auto guarded(QWidget *parent, Handler handler)
{
    return [parent = QPointer<QWidget>(parent), handler = std::move(handler)](auto &&...) {
        try {
            handler();
        } catch (const CommandError &error) {
            reportCommandFailure(parent, error.message());
        } catch (const std::exception &error) {
            reportCommandFailure(parent, QString::fromLocal8Bit(error.what()));
        } catch (...) {
            reportCommandFailure(parent, QString());
        }
    };
}
