#include "cli/command_line.h"

#include "cli/scan/scan_energies.h"
#include "core/number_text.h"
#include "core/settings_rules.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <set>

namespace {

// A scan of more points than this is a typing error rather than a measurement.
constexpr double MaxScanPoints = 100000;
constexpr int MaxThreads = 256;

CommandLineError Refused(const std::string& option, const std::string& value, const std::string& why)
{
    return {"vantor-cli: hibás " + option + " érték '" + value + "': " + why};
}

CommandLineError Unknown(const std::string& option)
{
    return {"vantor-cli: ismeretlen kapcsoló: '" + option + "'"};
}

using Reader = std::function<bool(const std::string& value, Options& options)>;

struct OptionRule {
    Reader read;        // empty for a flag without a value
    std::string why;    // what a refused value should have been
    bool Options::*flag = nullptr;   // what a flag sets
};

Reader Decimal(double Options::*field, bool (*valid)(double))
{
    return [field, valid](const std::string& value, Options& options) {
        const std::optional<double> read = ParseDecimalText(value);
        if (!read || !std::isfinite(*read) || !valid(*read))
            return false;
        options.*field = *read;
        return true;
    };
}

Reader Integer(std::int32_t Options::*field, bool (*valid)(std::int32_t))
{
    return [field, valid](const std::string& value, Options& options) {
        const std::optional<std::int32_t> read = ParseIntegerText(value);
        if (!read || !valid(*read))
            return false;
        options.*field = *read;
        return true;
    };
}

// A decimal number of 0 to 2^32 − 1, digits only: the conversion takes no
// sign, blank or prefix, and refuses what does not fit.
Reader Unsigned(std::uint32_t Options::*field)
{
    return [field](const std::string& value, Options& options) {
        std::uint32_t read = 0;
        const char* end = value.data() + value.size();
        const auto [stop, error] = std::from_chars(value.data(), end, read);
        if (error != std::errc() || stop != end)
            return false;
        options.*field = read;
        return true;
    };
}

Reader Path(std::string Options::*field)
{
    return [field](const std::string& value, Options& options) {
        if (value.empty())
            return false;
        options.*field = value;
        return true;
    };
}

bool IsPositive(double value)
{
    return value > 0.0;
}

bool IsValidThreadCount(std::int32_t threads)
{
    return threads >= 1 && threads <= MaxThreads;
}

const std::map<std::string, OptionRule>& Rules()
{
    static const std::map<std::string, OptionRule> rules{
        {"--energy", {Decimal(&Options::energyKeV, IsValidPassEnergy), "nem-negatív számot kell megadni keV-ben"}},
        {"--field", {Integer(&Options::fieldMicrotesla, IsValidFieldMicrotesla),
                     "nem-negatív egész számot kell megadni µT-ban"}},
        {"--slit", {Integer(&Options::slitStep, IsValidSlitStep), "0 és 19 közötti egész számot kell megadni"}},
        {"--count", {Integer(&Options::count, IsValidParticleCount), "pozitív egész számot kell megadni"}},
        {"--from", {Decimal(&Options::fromKeV, IsValidPassEnergy), "nem-negatív számot kell megadni keV-ben"}},
        {"--to", {Decimal(&Options::toKeV, IsValidPassEnergy), "nem-negatív számot kell megadni keV-ben"}},
        {"--step", {Decimal(&Options::stepKeV, IsPositive), "pozitív számot kell megadni keV-ben"}},
        {"--threads", {Integer(&Options::threads, IsValidThreadCount), "1 és 256 közötti egész számot kell megadni"}},
        {"--seed", {Unsigned(&Options::seed), "0 és 4294967295 közötti egész számot kell megadni"}},
        {"--csv", {Path(&Options::csvPath), "fájlnevet kell megadni"}},
        {"--plot", {Path(&Options::plotPath), "fájlnevet kell megadni"}},
        {"--source", {Path(&Options::sourcePath), "fájlnevet kell megadni"}},
        {"--json", {Reader{}, "", &Options::json}},
        {"--unfold", {Reader{}, "", &Options::unfold}},
        {"--html", {Path(&Options::htmlPath), "fájlnevet kell megadni"}},
    };
    return rules;
}

struct CommandRules {
    std::set<std::string> allowed;
    std::vector<std::pair<std::string, std::string>> required;   // option and what it is
};

const CommandRules& RulesOf(Command command)
{
    static const CommandRules measure{
        {"--energy", "--field", "--slit", "--count", "--json", "--threads", "--source", "--seed"},
        {{"--energy", "az áteresztett energia keV-ben"}, {"--field", "a mágneses indukció µT-ban"}}};
    static const CommandRules scan{
        {"--field", "--slit", "--count", "--from", "--to", "--step", "--csv", "--plot", "--threads", "--source",
         "--unfold", "--seed"},
        {{"--field", "a mágneses indukció µT-ban"},
         {"--from", "az első áteresztett energia keV-ben"},
         {"--to", "az utolsó áteresztett energia keV-ben"},
         {"--step", "a lépés keV-ben"}}};
    static const CommandRules evidence{{"--csv", "--html", "--source"}, {}};
    if (command == Command::Evidence)
        return evidence;
    return command == Command::Scan ? scan : measure;
}

std::optional<CommandLineError> CheckScanRange(const Options& options)
{
    if (options.toKeV < options.fromKeV)
        return CommandLineError{"vantor-cli: a --to értéke nem lehet kisebb a --from értékénél"};
    if (ScanSteps(options) >= MaxScanPoints)
        return CommandLineError{"vantor-cli: hibás --step érték: túl sok pont lenne (legfeljebb 100000)"};
    return std::nullopt;
}

std::variant<CommandLine, CommandLineError> ParseOptions(Command command, const std::vector<std::string>& arguments)
{
    CommandLine line{command, {}};
    const CommandRules& commandRules = RulesOf(command);
    std::set<std::string> given;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help" || option == "-h")
            return CommandLine{Command::Help, {}};
        if (command == Command::Evidence && !option.starts_with("--")) {
            line.options.paths.push_back(option);
            continue;
        }
        const auto rule = Rules().find(option);
        if (rule == Rules().end() || !commandRules.allowed.contains(option))
            return Unknown(option);
        given.insert(option);
        if (!rule->second.read) {
            line.options.*(rule->second.flag) = true;
            continue;
        }
        if (i + 1 >= arguments.size())
            return CommandLineError{"vantor-cli: a " + option + " kapcsoló után hiányzik az érték"};
        const std::string& value = arguments[++i];
        if (!rule->second.read(value, line.options))
            return Refused(option, value, rule->second.why);
    }
    for (const auto& [option, meaning] : commandRules.required) {
        if (!given.contains(option))
            return CommandLineError{"vantor-cli: hiányzik a " + option + " kapcsoló (" + meaning + ")"};
    }
    if (command == Command::Scan) {
        if (auto error = CheckScanRange(line.options))
            return *error;
    }
    if (command == Command::Evidence && line.options.paths.empty())
        return CommandLineError{"vantor-cli: hiányzik a kép vagy a mappa, amelyet ellenőrizni kell"};
    return line;
}

}

std::variant<CommandLine, CommandLineError> ParseCommandLine(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return CommandLineError{"vantor-cli: hiányzik a parancs; a --help felsorolja a lehetőségeket"};
    const std::string& first = arguments.front();
    if (first == "--help" || first == "-h" || first == "help")
        return CommandLine{Command::Help, {}};
    if (first == "--version")
        return CommandLine{Command::Version, {}};
    if (first == "measure")
        return ParseOptions(Command::Measure, arguments);
    if (first == "scan")
        return ParseOptions(Command::Scan, arguments);
    if (first == "evidence")
        return ParseOptions(Command::Evidence, arguments);
    return CommandLineError{"vantor-cli: ismeretlen parancs: '" + first + "'"};
}

std::string HelpText(const std::string& sourcesFolder)
{
    return R"(Használat:
  vantor-cli measure --energy KEV --field MIKROTESLA [--slit LÉPÉS] [--count N]
                     [--threads N] [--source FÁJL] [--seed N] [--json]
  vantor-cli scan --field MIKROTESLA --from KEV --to KEV --step KEV [--slit LÉPÉS]
                  [--count N] [--csv FÁJL] [--plot FÁJL.png] [--threads N] [--source FÁJL]
                  [--seed N] [--unfold]
  vantor-cli evidence ÚTVONAL... [--csv FÁJL] [--html FÁJL] [--source FÁJL]
  vantor-cli --version
  vantor-cli --help

A measure parancs ablak nélkül elvégzi azt, amit a frissen indított program
Start gombja: a forrásból N részecskét indít a Wien-szűrőn át, és kiírja a
kibocsátott és a detektált részecskék számát, valamint a szűrő energiaablakát.
A beállítások úgy érvényesülnek, mint az ablakban: előbb az indukció, majd az
energia beírása. Ugyanazok a kapcsolók mindig ugyanazt az eredményt adják.

A scan parancs a teljes mérést végzi el: az áteresztett energiát --from-tól
--to-ig (a végpontot is beleértve) --step lépésekben állítja, és minden pontban
úgy mér, mintha a versenyző egyetlen programfutásban mindegyik pontnál Startot
nyomna (a véletlenszám-sorozat pontról pontra folytatódik). Kiírja a pontonkénti
beütésszámot, az ablakszélességet és a keV-re jutó beütésszámot, összeveti a
forrás spektrumával, és kérésre CSV-fájlba és PNG-rajzba menti. Minden ponthoz
kiszámítja a forrásból várható beütésszámot és a mért eltérését tőle
szórásegységben; a --unfold a beütésekből és az ablakokból visszafejti a
forrás spektrumát (legalább 5 pont és nem nulla indukció kell hozzá).

Az evidence parancs a program mentett képeit ellenőrzi. Minden kép magában
hordja a mentés adatlapját (a beállításokat, a számlálókat, a mentés idejét) és
egy SHA-256 ellenőrzőösszeget. Az ÚTVONAL kép vagy mappa; egy mappából a JPEG-
fájljai és a közvetlen almappáiéi kerülnek sorra, így a versenyzők mappáit
tartó mappa az egész termet felsorolja. Képenként egy sor: mappa, fájl, mentés
ideje, energia, indukció, rés, kibocsátott, beütés, ablakszélesség, mérési idő
és az állapot: "rendben" (az adatlap megvan, az összeg egyezik), "módosítva"
(a kép vagy az adatlap megváltozott a mentés óta), "nincs adat" (nincs benne
adatlap: máshonnan vagy régebbi változatból való), "hibás fájl" (nem
olvasható JPEG-kép; az ok is) vagy "valószínűtlen" (az összeg egyezik, de az
adatlapot a program egyetlen futása sem írhatta: lehetetlen érték, más
versenyző képe, vagy az utolsó indítás beállításához képest nem a program
energiaablaka, illetve 5 szórásnál távolabbi beütésszám; az ok is). Az
ellenőrzőösszeg nem aláírás: a programmal bárki készíthet újat, és a fizikát
nem ellenőrzi, ha az adatlap az ellenőrzőnél újabb programot nevez meg, vagy
a beütések több beállításból származnak (ezt a sor megjegyzése mondja). A
versenymódú képet mindig a beépített C-14-gyel veti össze; a tanári módú kép
forrását csak a --source FÁJL kapcsolóval megadott fájl hitelesíti, e nélkül
az eltérés csak megjegyzés, az ismeretlen forrásé ellenőrizetlen marad.

Kapcsolók:
  --energy KEV        az áteresztett energia keV-ben, nem-negatív szám ("." a
                      tizedesjel, például 50 vagy 12.5)
  --field MIKROTESLA  a mágneses indukció egész µT-ban, nem-negatív; 0 esetén az
                      ablak "Nem számolható"
  --slit LÉPÉS        a rés lépése, 0 és 19 között (félszélesség
                      (LÉPÉS + 2) × 0,5 mm); alapértelmezés 0
  --count N           az egy mérésben indítandó részecskék száma, legalább 1;
                      alapértelmezés 1000
  --from, --to KEV    a scan első és utolsó áteresztett energiája keV-ben
  --step KEV          a scan lépése keV-ben, pozitív szám
  --csv FÁJL          a scan eredménye CSV-ben: energy_keV, launched, detected,
                      pass_lower_keV, pass_upper_keV, pass_width_keV,
                      rate_per_keV, rate_error_per_keV, source_intensity,
                      source_scaled, response_lower_keV, response_upper_keV
                      (az ablak a végpontra vágás előtt), expected_detected,
                      pull, unfolded_per_keV, unfolded_error_per_keV,
                      unfolded_lower_per_keV, unfolded_upper_per_keV (a
                      visszafejtett érték 95 %-os intervalluma),
                      true_per_keV, seed; a keV-re jutó oszlopok egyaránt az
                      indított részecskék számát adják a forrásenergia
                      egy keV-jére; az evidence sorai a teljes adatlappal:
                      folder, file, status, note, majd az adatlap összes
                      mezője
  --plot FÁJL.png     a keV-re jutó beütésszám és a visszafejtett spektrum
                      hibasávokkal, a valódi N·s(W) vonalként, alatta az
                      eltérések szórásegységben
  --unfold            a forrás spektrumának visszafejtése a beütésekből
                      (simasági büntetéssel regularizált, nem negatív
                      legkisebb négyzetek, a büntetés erősségét általánosított
                      keresztvalidáció választja, majd annyival kisebbre
                      veszi, hogy a 95 %-os intervallum a torzítással együtt
                      is lefedje a valódi spektrumot)
  --threads N         ennyi szálon repülnek a részecskék (1–256); az eredmény
                      független tőle; alapértelmezés: a gép összes magja
  --source FÁJL       forrásfájl a beépített C-14 helyett (az evidence-nél a
                      beépített és a szállított források mellé) (UTF-8 vagy
                      windows-1250, legfeljebb 64 KiB): névsor,
                      végpontenergia MeV-ben (0 és 5 között), majd 2–200
                      "energia<TAB>intenzitás" sor növekvő, 0 és 5 MeV
                      közötti energiákkal és nem negatív, nem mind nulla,
                      a végpont fölött nulla intenzitásokkal;
                      a programmal szállított források
                      (C-14, P-32, Sr-90) mappája:
                      )" + sourcesFolder + R"(
  --seed N            a véletlenszám-sorozat kezdőpontja (0 és 4294967295
                      között): más N más, de ugyanúgy ismételhető adatsort
                      ad, így minden diák saját mérést kaphat, és a mérés
                      sokszor megismételhető; a 0 és a kapcsoló elhagyása a
                      megszokott sorozatot adja; a szálak számától az
                      eredmény ekkor sem függ
  --json              a measure eredménye egyetlen JSON objektumként a
                      launched, detected, passLowerKeV, passUpperKeV,
                      passWidthKeV, expectedDetected, pull (null, ha az
                      ablak nem számolható) és seed kulcsokkal
  --html FÁJL         az evidence eredménye egyetlen oldalon a zsűrinek:
                      versenyzőnként a képek kicsinyítve (relatív
                      hivatkozással) az adatlapjuk mellett, a jelzett képek
                      színnel kiemelve
  --version           a program verziószáma
  --help              ez a leírás

Kilépési kód: 0 siker, 2 hibás argumentum vagy használhatatlan forrásfájl (az
evidence parancsnál a nem létező útvonal is), 1 ha egy kimeneti fájl nem
írható (a korábbi fájl ilyenkor érintetlen marad; a kimenet helyén vagy
útvonalában álló szimbolikus linket a program nem követi), 3 ha az evidence
parancs nem "rendben" állapotú képet talált.
)";
}
