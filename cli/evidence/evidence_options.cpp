#include "cli/evidence/evidence_options.h"

#include "cli/common/run_options.h"
#include "evidence/evidence_status.h"

namespace {

std::string Quoted(EvidenceStatus status)
{
    return "„" + std::string(StatusName(status)) + "”";
}

}

const CommandGrammar<EvidenceOptions>& EvidenceGrammar()
{
    static const CommandGrammar<EvidenceOptions> grammar = [] {
        const OptionRule<EvidenceOptions> csv{
            .name = "--csv",
            .value = "FÁJL",
            .help = "az evidence sorai CSV-ben, a teljes adatlappal: folder, file, status, note, majd az adatlap "
                    "összes mezője",
            .read = Path(&EvidenceOptions::csvPath),
            .why = FileNameWanted};
        const OptionRule<EvidenceOptions> xlsx{
            .name = "--xlsx",
            .value = "FÁJL",
            .help = "ugyanez Excel-munkafüzetként (.xlsx), amely dupla kattintással is helyesen nyílik meg: képenként "
                    "egy sor magyar oszlopnevekkel, a számok számként, a fejlécen szűrő",
            .read = Path(&EvidenceOptions::xlsxPath),
            .why = FileNameWanted};
        const OptionRule<EvidenceOptions> html{
            .name = "--html",
            .value = "FÁJL",
            .help = "az evidence eredménye egyetlen oldalon a zsűrinek: versenyzőnként a képek kicsinyítve "
                    "(relatív hivatkozással) az adatlapjuk mellett, a jelzett képek színnel kiemelve",
            .read = Path(&EvidenceOptions::htmlPath),
            .why = FileNameWanted};
        const OptionRule<EvidenceOptions> source{
            .name = "--source",
            .value = "FÁJL",
            .help = "forrásfájl a beépített és a szállított források mellé " + SourceFileHelp() +
                    "; a versenymódban mentett képet mindig a beépített C-14-gyel veti össze; a tanári módban mentett "
                    "kép forrását csak ez a fájl hitelesíti: nélküle az eltérés csak megjegyzés, az ismeretlen "
                    "forrású kép pedig ellenőrizetlen marad",
            .read = Path(&EvidenceOptions::sourcePath),
            .why = FileNameWanted};
        return CommandGrammar<EvidenceOptions>{
            .name = "evidence",
            .description =
                "Az evidence parancs a program mentett képeit ellenőrzi. Minden kép magában hordja a mentés "
                "adatlapját (a beállításokat, a számlálókat, a mentés idejét) és egy SHA-256 ellenőrzőösszeget. Az "
                "ÚTVONAL egy kép vagy egy mappa; egy mappában a benne és a közvetlen almappáiban lévő JPEG-fájlokat "
                "ellenőrzi, így a munkamappa megadásával az egész termet. Képenként egy sort ír: mappa, fájl, a "
                "mentés ideje, energia, indukció, Blende, kibocsátott részecskék, beütésszám, az energiaablak "
                "szélessége, a mérés ideje, majd az állapot: "
                + Quoted(EvidenceStatus::Intact) + ", " + Quoted(EvidenceStatus::Modified) + ", "
                + Quoted(EvidenceStatus::NoRecord) + ", " + Quoted(EvidenceStatus::Unreadable) + " vagy "
                + Quoted(EvidenceStatus::Implausible) + ", és az ok. A mappákban álló linket nem követi: ez külön sorba "
                  "kerül, " + Quoted(EvidenceStatus::Link) + " állapottal, amely azt is megmondja, hova mutat; egy félbemaradt "
                  "mentés maradéka " + Quoted(EvidenceStatus::Leftover) + ", a böngészős változattal mentett kép "
                + Quoted(EvidenceStatus::Practice) + ". "
                "Az állapotok jelentését és azt, hogy mit nem tud az ellenőrzés kimutatni, a szervezők útmutatója "
                "írja le.",
            .rules = {csv, xlsx, html, source},
            .operands = &EvidenceOptions::paths,
            .operandsName = "ÚTVONAL..."};
    }();
    return grammar;
}

ParsedOptions<EvidenceOptions> ParseEvidenceOptions(const std::vector<std::string>& arguments)
{
    ParsedOptions<EvidenceOptions> parsed = ParseOptions(EvidenceGrammar(), arguments);
    if (const auto* options = std::get_if<EvidenceOptions>(&parsed); options && options->paths.empty())
        return CommandLineError{"vantor-cli: hiányzik a kép vagy a mappa, amelyet ellenőrizni kell"};
    return parsed;
}
