#include "cli/command_line.h"

namespace {

// A command's own outcome as the command line's.
template <class Options>
ParsedCommandLine AsCommandLine(ParsedOptions<Options> parsed)
{
    return std::visit([](auto&& outcome) { return ParsedCommandLine{std::move(outcome)}; }, std::move(parsed));
}

}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return CommandLineError{"vantor-cli: hiányzik a parancs; a --help felsorolja a lehetőségeket"};
    const std::string& first = arguments.front();
    if (first == "--help" || first == "-h" || first == "help")
        return HelpRequest{};
    if (first == "--version")
        return VersionRequest{};
    if (first == "measure")
        return AsCommandLine(ParseMeasureOptions(arguments));
    if (first == "scan")
        return AsCommandLine(ParseScanOptions(arguments));
    if (first == "evidence")
        return AsCommandLine(ParseEvidenceOptions(arguments));
    return CommandLineError{"vantor-cli: ismeretlen parancs: '" + first + "'"};
}

std::string HelpText(const std::string& sourcesFolder)
{
    return R"(Használat:
  vantor-cli measure --energy KEV --field MIKROTESLA [--slit LÉPÉS] [--count N]
                     [--threads N] [--source FÁJL] [--seed N] [--json]
  vantor-cli scan --field MIKROTESLA --from KEV --to KEV --step KEV [--slit LÉPÉS]
                  [--count N] [--csv FÁJL] [--xlsx FÁJL] [--plot FÁJL.png] [--threads N]
                  [--source FÁJL] [--seed N] [--unfold]
  vantor-cli evidence ÚTVONAL... [--csv FÁJL] [--xlsx FÁJL] [--html FÁJL] [--source FÁJL]
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
energiaablaka, illetve 5 szórásnál távolabbi beütésszám; az ok is). A
mappákban álló linket nem követi: az külön sor "link" állapottal, és azt is
mondja, hova mutat; egy félbemaradt mentés maradéka "ideiglenes fájl". Az
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
  --xlsx FÁJL         ugyanez Excel-táblázatként (.xlsx), magyar
                      oszlopnevekkel, a számok számként, fölötte a program
                      változata, a beállítások és a --seed; dupla
                      kattintással helyesen nyílik meg
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
                      sokszor megismételhető; a diákoknak egymás utáni
                      számokat (1, 2, 3, ...) érdemes adni, mert ezek
                      biztosan távol indulnak, két találomra választott
                      szám viszont ritkán közeli kezdőpontot, közös
                      adatokat adhat; a 0 és a kapcsoló elhagyása a
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
parancs nem "rendben" állapotú képet, linket vagy ideiglenes fájlt talált.
)";
}
