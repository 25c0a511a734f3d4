#include "designface.h"
#include "fontwarmup.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <thread>

namespace {

// Runs steps on a thread of their own and tells whether they ended in time:
// a warm-up that waits for ever must fail the test, not hang it.
bool endsWithin(std::chrono::seconds limit, const std::function<void()> &steps)
{
    auto ended = std::make_shared<std::promise<void>>();
    std::future<void> done = ended->get_future();
    std::thread runner([ended, steps] {
        steps();
        ended->set_value();
    });
    if (done.wait_for(limit) != std::future_status::ready) {
        // Left to hang on its own; the test has failed.
        runner.detach();
        return false;
    }
    runner.join();
    return true;
}

} // namespace

// Checks that the start-up's font warm-up always ends, whatever the start-up
// tells it, and that the font database it fills serves the main thread.
class tst_FontWarmUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // First: it must be the first to ask for a font in this process.
    void formFontWhileTheDatabaseFills();
    void ends_data();
    void ends();
};

void tst_FontWarmUp::formFontWhileTheDatabaseFills()
{
    FontWarmUp warmUp;
    warmUp.applicationReady();
    // The main thread asks for the form's face while the thread may still be
    // mapping it or filling the database; the one waits for the other.
    const QFontInfo during(designFont());
    const QString family = during.family();
    const bool bold = during.bold();
    warmUp.finish();

    QCOMPARE(family, QStringLiteral("Liberation Sans"));
    QVERIFY(bold);
    const QStringList families = QFontDatabase::families();
    QVERIFY(families.contains(QStringLiteral("Liberation Sans")));
    QVERIFY(families.contains(QStringLiteral("Liberation Serif")));
}

void tst_FontWarmUp::ends_data()
{
    QTest::addColumn<QStringList>("steps");

    QTest::newRow("ready, then finish") << QStringList{QStringLiteral("ready"), QStringLiteral("finish")};
    // The thread must not wait for an application that never comes.
    QTest::newRow("finish without ready") << QStringList{QStringLiteral("finish")};
    QTest::newRow("ready twice") << QStringList{QStringLiteral("ready"), QStringLiteral("ready"),
                                                QStringLiteral("finish")};
    QTest::newRow("ready after finish") << QStringList{QStringLiteral("finish"), QStringLiteral("ready")};
    QTest::newRow("finish twice") << QStringList{QStringLiteral("ready"), QStringLiteral("finish"),
                                                 QStringLiteral("finish")};
    QTest::newRow("ready, then gone") << QStringList{QStringLiteral("ready")};
    QTest::newRow("gone at once") << QStringList();
}

void tst_FontWarmUp::ends()
{
    QFETCH(QStringList, steps);

    const bool ended = endsWithin(std::chrono::seconds(60), [steps] {
        FontWarmUp warmUp;
        for (const QString &step : steps) {
            if (step == QLatin1String("ready"))
                warmUp.applicationReady();
            else
                warmUp.finish();
        }
    });
    QVERIFY2(ended, "the warm-up did not end");
}

QTEST_MAIN(tst_FontWarmUp)
#include "tst_fontwarmup.moc"
