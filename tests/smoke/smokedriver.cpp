#include <QApplication>
#include <QDialog>
#include <QGenericPlugin>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

void say(const QString &text)
{
    std::fprintf(stderr, "smoke driver: %s\n", qPrintable(text));
}

// Uses the installed program as a person would, from inside it, since on the
// offscreen platform nothing outside can type or click: "." as the first
// name, Preview, Print, and OK in the print dialog. Any other window that
// asks for an answer ends the program with 3.
class SmokeDriver : public QObject
{
    Q_OBJECT

public:
    SmokeDriver()
    {
        connect(&m_timer, &QTimer::timeout, this, &SmokeDriver::step);
        m_timer.start(200);
    }

private:
    enum Stage { AwaitForm, AwaitPreview, AwaitPageView, AwaitPrintDialog, Done };

    static QWidget *form()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("Form7") && widget->isVisible())
                return widget;
        }
        return nullptr;
    }

    template<typename T>
    static T *shown(const char *name)
    {
        QWidget *window = form();
        T *widget = window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
        return widget && widget->isVisible() && widget->isEnabled() ? widget : nullptr;
    }

    // Pressed later, from the event loop: Print opens the dialog in a loop of
    // its own, where this driver must go on.
    static void press(QPushButton *button)
    {
        say(QStringLiteral("pressing %1").arg(button->text()));
        QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
    }

    void step()
    {
        QWidget *modal = QApplication::activeModalWidget();
        const bool printDialog = modal && modal->inherits("QPrintDialog");
        if (modal && !printDialog) {
            say(QStringLiteral("unexpected window \"%1\"").arg(modal->windowTitle()));
            QCoreApplication::exit(3);
            return;
        }
        switch (m_stage) {
        case AwaitForm:
            if (auto *first = shown<QLineEdit>("Text1")) {
                say(QStringLiteral("the window \"%1\" shows").arg(form()->windowTitle()));
                first->setFocus();
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Period, Qt::NoModifier, QStringLiteral("."));
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_Period, Qt::NoModifier, QStringLiteral("."));
                QCoreApplication::sendEvent(first, &press);
                QCoreApplication::sendEvent(first, &release);
                say(QStringLiteral("first name \"%1\"").arg(first->text()));
                m_stage = AwaitPreview;
            }
            break;
        case AwaitPreview:
            if (auto *preview = shown<QPushButton>("Command1")) {
                press(preview);
                m_stage = AwaitPageView;
            }
            break;
        case AwaitPageView:
            if (auto *print = shown<QPushButton>("Command3")) {
                say(QStringLiteral("the page view shows"));
                press(print);
                m_stage = AwaitPrintDialog;
            }
            break;
        case AwaitPrintDialog:
            if (printDialog) {
                say(QStringLiteral("the print dialog \"%1\" shows: OK").arg(modal->windowTitle()));
                m_stage = Done;
                m_timer.stop();
                QMetaObject::invokeMethod(static_cast<QDialog *>(modal), &QDialog::accept, Qt::QueuedConnection);
            }
            break;
        case Done:
            break;
        }
    }

    QTimer m_timer;
    Stage m_stage = AwaitForm;
};

} // namespace

// Loaded by the program when QT_QPA_GENERIC_PLUGINS names it. The
// application deletes what a generic plugin made, so the driver has no parent.
class SmokeDriverPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "smokedriver.json")

public:
    QObject *create(const QString &key, const QString &) override
    {
        if (key.compare(QLatin1String("tfccsmoke"), Qt::CaseInsensitive) != 0)
            return nullptr;
        return new SmokeDriver;
    }
};

#include "smokedriver.moc"
