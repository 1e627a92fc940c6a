// The running program is tied to its desktop entry: its desktop file name
// (the Wayland app id) is the entry's name, every window carries the
// program's icon, and the entry names the X11 window class.
#include "app/application_setup.h"
#include "window/form1.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTest>

#include <link.h>

class TestDesktopIdentity : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void desktopFileNameIsTheEntrysName();
    void builtInIconDrawsEveryRod();
    void windowsCarryTheIcon();
    void entryNamesTheWindowClass();
    void startingLoadsNoImageLibraries();
};

void TestDesktopIdentity::desktopFileNameIsTheEntrysName()
{
    rods::setUpApplication();
    QCOMPARE(QGuiApplication::desktopFileName(), QString("io.github.numberingrods.NumberingRods"));
}

void TestDesktopIdentity::builtInIconDrawsEveryRod()
{
    // No icon theme to find it in: the icon built into the program.
    QIcon::setThemeSearchPaths({});
    const QImage icon = rods::programIcon().pixmap(64, 64).toImage();
    QCOMPARE(icon.size(), QSize(64, 64));
    // Drawn on a 64 x 64 grid: three rods 14 wide at x 8, 25 and 42, cells 10
    // high from y 18, each cell crossed from its bottom-left to its top-right
    // corner. The middle of each rod's second cell's diagonal is dark; the
    // middle of its tens half is the rod's light colour.
    auto dark = [&icon](int x, int y) {
        int darkest = 255;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                darkest = std::min(darkest, qGray(icon.pixel(x + dx, y + dy)));
        return darkest < 130;
    };
    for (int left : {8, 25, 42}) {
        QVERIFY2(dark(left + 7, 33), qPrintable(QString("no diagonal in the rod at x %1").arg(left)));
        QVERIFY2(!dark(left + 3, 31 - 1), qPrintable(QString("the rod at x %1 is dark inside").arg(left)));
    }
    QVERIFY(!dark(32, 59));
}

void TestDesktopIdentity::windowsCarryTheIcon()
{
    rods::setUpApplication();
    rods::Form1 window;
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.windowIcon().pixmap(32, 32).toImage(), rods::programIcon().pixmap(32, 32).toImage());
    QCOMPARE(window.windowTitle(), QString("Form1"));
}

void TestDesktopIdentity::entryNamesTheWindowClass()
{
    // On X11 a Qt program's window class is its program name.
    QSettings entry(RODS_DESKTOP_ENTRY, QSettings::IniFormat);
    entry.beginGroup("Desktop Entry");
    QCOMPARE(entry.value("StartupWMClass").toString(), QString("numbering-rods"));
    QCOMPARE(entry.value("Exec").toString(), QString("numbering-rods"));
    QCOMPARE(entry.value("Icon").toString(), QString("io.github.numberingrods.NumberingRods"));
}

void TestDesktopIdentity::startingLoadsNoImageLibraries()
{
    // The program as it starts: its icon set, its window shown and painted.
    rods::setUpApplication();
    rods::Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.grab();
    QApplication::processEvents();
    // No image plugin, icon engine or SVG library was needed for that.
    QStringList loaded;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* names) {
            static_cast<QStringList*>(names)->append(QString::fromLocal8Bit(info->dlpi_name));
            return 0;
        },
        &loaded);
    for (const QString& library : std::as_const(loaded))
        QVERIFY2(!library.contains("/imageformats/") && !library.contains("/iconengines/")
                     && !library.contains("libQt6Svg") && !library.contains("libQt6PrintSupport")
                     && !library.contains("libcups"),
                 qPrintable("loaded at start: " + library));
}

QTEST_MAIN(TestDesktopIdentity)
#include "tst_desktop_identity.moc"
