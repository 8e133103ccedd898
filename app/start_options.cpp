#include "app/start_options.h"

#include <QCommandLineParser>

namespace {

// Each option's name, for the parser's table and for asking the parser.
const QString Help = QStringLiteral("help");
const QString Version = QStringLiteral("version");
const QString WorkRoot = QStringLiteral("work-root");
const QString Teacher = QStringLiteral("teacher");

}

QList<QCommandLineOption> StartCommandLineOptions()
{
    return {QCommandLineOption({QStringLiteral("h"), Help}, QString()), QCommandLineOption(Version, QString()),
            QCommandLineOption(WorkRoot, QString(), QStringLiteral("MAPPA")), QCommandLineOption(Teacher, QString())};
}

StartOptions ParseStartOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.addOptions(StartCommandLineOptions());

    StartOptions options;
    options.action = StartOptions::Action::Refuse;
    if (!parser.parse(arguments))
        options.refusal = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        options.refusal = QStringLiteral("Fölösleges argumentum: „%1”.").arg(parser.positionalArguments().first());
    else if (parser.isSet(WorkRoot) && parser.value(WorkRoot).isEmpty())
        options.refusal = QStringLiteral("A --work-root után hiányzik a mappa neve.");
    else if (parser.isSet(Help))
        options.action = StartOptions::Action::ShowHelp;
    else if (parser.isSet(Version))
        options.action = StartOptions::Action::ShowVersion;
    else {
        options.action = StartOptions::Action::Run;
        options.workRoot = parser.value(WorkRoot);
        options.teacher = parser.isSet(Teacher);
    }
    return options;
}

namespace {

// Where the help differs between the systems: Windows has no display
// variables (the window always has a screen there), and Qt's Hungarian texts
// come with the program rather than from a package.
#ifdef Q_OS_WIN
constexpr char DocumentsFolder[] = "";
constexpr char DisplayVariables[] = "";
constexpr char TranslationPackage[] = " (a program mappájában)";
constexpr char OrganisersGuide[] = " (SZERVEZOKNEK.txt, a program mappájában)";
#else
constexpr char DocumentsFolder[] = " (többnyire ~/Documents/Vantor)";
constexpr char DisplayVariables[] = R"(  DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM
                     a grafikus kijelző; ha egyik sincs megadva, az ablak nem
                     nyílik meg
)";
constexpr char TranslationPackage[] = " (Debian: qt6-translations-l10n)";
constexpr char OrganisersGuide[] = " (/usr/share/doc/vantor/szervezoknek.md.gz)";
#endif

}

QString StartHelpText(const QString& qtTranslationFile, const QString& sourcesFolder)
{
    const QString shippedSources = sourcesFolder.isEmpty() ? QString() : QStringLiteral(R"(
  %1
                     a programmal szállított források (C-14, P-32, Sr-90);
                     a „Forrás választás” fájlválasztójának
                     oldalsávja egy kattintással eléri)")
                                                                              .arg(sourcesFolder);
    return QStringLiteral(R"(Használat:
  vantor [--teacher] [--work-root MAPPA]
  vantor --version
  vantor --help

A Vantor a béta-sugárzás energiaspektrumának mérése Wien-szűrővel: a C-14
forrás elektronjai keresztezett elektromos és mágneses téren és egy Blendén át
jutnak a detektorba. Indításkor a program bekéri a versenyző kódját (21–42
vagy 71–82) vagy a zsűri kódját; ha az azonosítást megszakítják (Cancel vagy
Esc), a program kilép. A mérésről JPEG-képek menthetők bizonyítékul.

Tanári mód:
  A --teacher kapcsolóval ugyanez a program a verseny után, tanórán
  használható: az ablak címe „ – tanári mód” végződést kap, és a versenyen
  rejtett három menüpont látható. A Súgó menü „Elméleti bevezető” és „A
  program használata és Feladatok” pontja a két súgóoldalt nyitja meg, a
  Fájl menü „Forrás választás” pontja pedig egy forrásfájlt (.for) tölt be
  a beépített C-14 helyett, például a programmal szállított P-32 vagy Sr-90
  forrást. Kapcsoló nélkül a program pontosan a versenyfeladat.

Munkamappa:
  A versenyzők mappái (például 21/) és a zsűri képei a munkamappába kerülnek:
  ez a --work-root kapcsolóval, ennek híján a VANTOR_WORK_ROOT környezeti
  változóval megadott mappa; ha egyik sincs, a program saját mappája, ha a
  program írhat bele, különben a felhasználó Dokumentumok mappájában lévő
  Vantor mappa%3.
  A pontos szabályokat és egy versenyterem beállítását a szervezők útmutatója
  írja le%6.

Kapcsolók:
  --teacher          tanári mód (lásd fent)
  --work-root MAPPA  a munkamappa (lásd fent); a relatív útvonal az indítás
                     mappájából értendő
  --version          a program változata
  -h, --help         ez a leírás

Környezet:
  VANTOR_WORK_ROOT   a munkamappa, ha nincs --work-root kapcsoló; az üres
                     érték olyan, mintha nem volna megadva
%4
Fájlok:
  %1
                     a Qt magyar fordítása%5: a
                     gombok (Igen, Nem, OK, Mégse) és a fájlválasztó
                     szövegei; ha hiányzik, a program
                     angol feliratú ablakokkal fut, és ezt egyszer kiírja
                     a szabványos hibakimenetre%2

Kilépési kód: 0 a program rendes befejezése (a Vége után, vagy ha az
azonosítást megszakították), 1, ha nincs grafikus kijelző, 2, ha hibás a
parancssor.
)")
        .arg(qtTranslationFile, shippedSources, QString::fromUtf8(DocumentsFolder), QString::fromUtf8(DisplayVariables),
             QString::fromUtf8(TranslationPackage), QString::fromUtf8(OrganisersGuide));
}
