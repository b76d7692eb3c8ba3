#include "app/commanderror.h"
#include "app/errorguard.h"
#include "modalwatch.h"

#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <stdexcept>

class TestErrorGuard : public QObject
{
    Q_OBJECT

private slots:
    void failureIsReportedAndEarlierStepsStay_data();
    void failureIsReportedAndEarlierStepsStay();
    void successShowsNothing();
};

void TestErrorGuard::failureIsReportedAndEarlierStepsStay_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("detail");

    QTest::newRow("command error with a French text")
        << 0 << QStringLiteral("Le presse-papiers n'a pas accept\u00e9 le texte.");
    QTest::newRow("standard exception") << 1 << QStringLiteral("bad things");
    QTest::newRow("anything else thrown") << 2 << QString();
}

void TestErrorGuard::failureIsReportedAndEarlierStepsStay()
{
    QFETCH(int, kind);
    QFETCH(QString, detail);

    QWidget window;
    window.show();
    int steps = 0;
    auto handler = guarded(&window, [&] {
        ++steps; // done before the failure: stays done
        if (kind == 0)
            throw CommandError(detail);
        if (kind == 1)
            throw std::runtime_error(detail.toStdString());
        throw 42;
    });

    MessageWatch seen;
    handler(); // must not throw
    QCOMPARE(steps, 1);
    QVERIFY(seen.shown);
    QCOMPARE(seen.caption, QStringLiteral("Marlivet"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QVERIFY(seen.text.startsWith(QStringLiteral("La commande n'a pas pu aboutir.")));
    QVERIFY(seen.text.endsWith(detail));
    QVERIFY(window.isVisible());
}

void TestErrorGuard::successShowsNothing()
{
    // A message box would block the handler until closed: close any that
    // comes up, so that the test fails rather than hangs.
    bool modalShown = false;
    QTimer watch;
    watch.setInterval(10);
    connect(&watch, &QTimer::timeout, this, [&modalShown] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            modalShown = true;
            modal->close();
        }
    });
    watch.start();

    bool ran = false;
    guarded(nullptr, [&] { ran = true; })();
    QVERIFY(ran);
    QVERIFY(!modalShown);
}

QTEST_MAIN(TestErrorGuard)
#include "tst_errorguard.moc"
