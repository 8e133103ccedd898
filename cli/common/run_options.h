#pragma once

#include "cli/common/option_parsing.h"
#include "base/reader_text.h"
#include "core/settings_rules.h"
#include "spectrum/source_file.h"
#include "spectrum/source_spectrum.h"

#include <cstdint>
#include <limits>
#include <string>

// What a measurement and a scan are both set up with, with the window's
// defaults.
struct RunOptions {
    std::int32_t fieldMicrotesla = 0;
    std::int32_t slitStep = 0;
    std::int32_t count = 1000;
    std::string sourcePath;     // empty: the built-in C-14 source
    std::int32_t threads = 0;   // 0: every core of the machine
    std::uint32_t seed = 0;     // where the random sequence starts; 0: where every run starts
};

inline constexpr const char* EnergyWanted = "nem negatív számot kell megadni keV-ben";
inline constexpr const char* FieldMeaning = "a mágneses indukció µT-ban";

inline constexpr std::int32_t MostThreads = 256;

inline bool IsValidThreadCount(std::int32_t threads)
{
    return threads >= 1 && threads <= MostThreads;
}

// What the help says of a source file, wherever one is read.
inline std::string SourceFileHelp()
{
    const std::string most = ReaderNumberText(MaxSourceEnergyMeV);
    return "(UTF-8 vagy windows-1250 kódolású, legfeljebb " + std::to_string(MaxSourceFileBytes / 1024)
         + " KiB): első sora a forrás neve, a második a határenergia MeV-ben (0 és " + most + " között), utána "
         + std::to_string(FewestSourceRows) + "–" + std::to_string(MostSourceRows)
         + " „energia<TAB>intenzitás” sor növekvő, 0 és " + most
         + " MeV közötti energiákkal és nem negatív, nem mind nulla, a határenergia fölött nulla intenzitásokkal";
}

// The --count help, with where the particles are counted.
inline std::string CountHelp(const std::string& where)
{
    return where + " kibocsátott részecskék száma, legalább " + std::to_string(FewestParticles)
         + "; alapértelmezés " + std::to_string(RunOptions{}.count);
}

// The rules of RunOptions' options, for a command whose options derive from
// it to list among its own.
template <class Options>
struct RunRules {
    OptionRule<Options> field{
        .name = "--field",
        .value = "MIKROTESLA",
        .help = "a mágneses indukció egész µT-ban, nem negatív; 0 esetén az energiaablak „Nem számolható”",
        .required = FieldMeaning,
        .read = Integer<Options>(&RunOptions::fieldMicrotesla, IsValidFieldMicrotesla),
        .why = "nem negatív egész számot kell megadni µT-ban"};
    OptionRule<Options> slit{
        .name = "--slit",
        .value = "LÉPÉS",
        .help = "a Blende lépése, " + std::to_string(MinSlitStep) + " és " + std::to_string(MaxSlitStep)
              + " között (félszélesség (LÉPÉS + 2) × 0,5 mm); alapértelmezés " + std::to_string(RunOptions{}.slitStep),
        .read = Integer<Options>(&RunOptions::slitStep, IsValidSlitStep),
        .why = std::to_string(MinSlitStep) + " és " + std::to_string(MaxSlitStep)
             + " közötti egész számot kell megadni"};
    OptionRule<Options> count{
        .name = "--count",
        .value = "N",
        .help = CountHelp("az egy mérésben"),
        .read = Integer<Options>(&RunOptions::count, IsValidParticleCount),
        .why = "pozitív egész számot kell megadni"};
    OptionRule<Options> threads{
        .name = "--threads",
        .value = "N",
        .help = "ennyi szálon repülnek a részecskék (1–" + std::to_string(MostThreads)
              + "); az eredmény független tőle; alapértelmezés: a gép összes magja",
        .read = Integer<Options>(&RunOptions::threads, IsValidThreadCount),
        .why = "1 és " + std::to_string(MostThreads) + " közötti egész számot kell megadni"};
    OptionRule<Options> source{
        .name = "--source",
        .value = "FÁJL",
        .help = "forrásfájl a beépített C-14 helyett " + SourceFileHelp(),
        .read = Path<Options>(&RunOptions::sourcePath),
        .why = FileNameWanted};
    OptionRule<Options> seed{
        .name = "--seed",
        .value = "N",
        .help = "a véletlenszám-sorozat kezdőpontja (0 és " + std::to_string(std::numeric_limits<std::uint32_t>::max())
              + " között): más N más, de ugyanúgy ismételhető adatsort ad, így minden diák saját mérést kaphat, és a mérés sokszor megismételhető; a diákoknak "
                "egymás utáni számokat (1, 2, 3, …) érdemes adni, mert ezek biztosan távol indulnak, két "
                "találomra választott szám viszont ritkán egymáshoz közeli kezdőpontot, így közös adatokat adhat; a 0 és a "
                "kapcsoló elhagyása a megszokott sorozatot adja; a szálak számától az eredmény ekkor sem függ",
        .read = Unsigned<Options>(&RunOptions::seed),
        .why = "0 és " + std::to_string(std::numeric_limits<std::uint32_t>::max()) + " közötti egész számot kell megadni"};
};
