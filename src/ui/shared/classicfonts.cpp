#include "ui/shared/classicfonts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QStringList>
#include <QWidget>

namespace {

// The stand-ins for each family the forms name, best first. Liberation Sans
// Narrow is as tall as MS Sans Serif and no wider, so the bold labels keep
// their whole text on the original widths.
QStringList standIns(const QString &family)
{
    if (family == QLatin1String("MS Sans Serif"))
        return {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans Narrow"),
                QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans Condensed")};
    if (family == QLatin1String("Arial Black"))
        return {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    return {};
}

// The family itself when the system has it as an outline font, else its
// first stand-in that the system has so; empty when none is there.
QString firstOutline(const QString &family)
{
    static QHash<QString, QString> found;
    const auto known = found.constFind(family);
    if (known != found.cend())
        return *known;
    QString outline;
    for (const QString &candidate : QStringList(family) + standIns(family)) {
        if (QFontDatabase::hasFamily(candidate) && QFontDatabase::isSmoothlyScalable(candidate)) {
            outline = candidate;
            break;
        }
    }
    found.insert(family, outline);
    return outline;
}

// Gives each widget whose font names a family that this system lacks, or
// has only as a bitmap font, its outline stand-in, as soon as it is set.
class OutlineFamilies : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FontChange && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            QFont font = widget->font();
            const QString outline = firstOutline(font.family());
            if (!outline.isEmpty() && outline != font.family()) {
                font.setFamilies({outline});
                widget->setFont(font);
            }
        }
        return false;
    }
};

void mapClassicFonts()
{
    // Qt looks at the stand-ins only for a family it cannot find, so
    // Windows keeps its own fonts.
    static const bool mapped = [] {
        for (const QString &family :
             {QStringLiteral("MS Sans Serif"), QStringLiteral("Arial Black")})
            QFont::insertSubstitutions(family, standIns(family));
        return true;
    }();
    Q_UNUSED(mapped);
}

} // namespace

void setUpWithClassicFonts(QWidget *form, const std::function<void()> &setupUi)
{
    mapClassicFonts();
    if (QGuiApplication::platformName() != QLatin1String("windows")) {
        setupUi();
        return;
    }
    // Given a family it lacks, or has only as a bitmap font, as Windows has
    // MS Sans Serif, Qt reads the styles of every family on the system
    // before it tries the stand-ins: the first time, tens of milliseconds
    // before the window shows. Each font the form sets up asks for the
    // outline face it would end with at once instead, before anything
    // measures text with it.
    {
        OutlineFamilies outline;
        QCoreApplication::instance()->installEventFilter(&outline);
        setupUi();
        QCoreApplication::instance()->removeEventFilter(&outline);
    }
    // Every control without a hinting of its own takes the form's.
    QFont hinted = form->font();
    hinted.setHintingPreference(QFont::PreferVerticalHinting);
    form->setFont(hinted);
}
