// The expected templates, typed in from the dialogs' design tables rather than from the resource
// script. The pattern sketches and labels of 181 have no design values; theirs are the script's.
#include "expected_dialogs.h"

#include <stdexcept>

namespace template_test {
namespace {

using K = ItemKind;

constexpr std::uint32_t kPageStyle = 0x10C800C0;
constexpr std::uint32_t kCentredPageStyle = 0x10C808C0;
constexpr std::uint32_t kNoCloseBoxStyle = 0x90C000C0;
constexpr std::uint32_t kHiddenCentredStyle = 0x80C808C0;

const std::string kCancel = "&Avbryt";
const std::string kFinish = "&Avslutt";
const std::string kOk = "&OK";
const std::string kAlign = "&Juster";
const std::string kPrint = "&Skriv ut";
const std::string kBestQuality = "Slik får du best utskriftskvalitet.";
const std::string kSelfTestTitle = "Testside for QZ 7700C";
const std::string kSelfTestBody =
    "Skriveren skriver ut testsiden for QZ 7700C. Dermed bekreftes det at skriveren er koplet til "
    "datamaskinen på riktig måte, og at både skriveren og skriverprogramvaren fungerer på riktig "
    "måte.\n\nPåse at skriveren er slått på.";
const std::string kLevel1Result = "Siden som skrives ut, viser resultatene av nivå 1-renseprosessen.";
const std::string kOfferLevel2 =
    "I motsatt fall klikker du på \"Nivå 2-rens\" for å utføre neste rensenivå.";
const std::string kLevel2Result =
    "Siden som skrives ut, viser resultatene av mellomnivåets renseprosess.";
const std::string kLevel3Warning = "Nivå 3-rens bruker mye blekk. Unngå å utføre denne prosedyren "
                                   "hvis det er lite blekk i blekkpatronene.";
const std::string kLevel3Duration = "Prosessen tar ca. 2 minutter og det går med 1 ark.";
const std::string kJudgeCartridgePage =
    "Vurder teksten og grafikken på siden. Klikk på \"Avslutt\" hvis utskriftskvaliteten er bra.";

// One set of alignment patterns in dialog 181: box, sketch, labels and radio buttons.
struct PatternSet {
    char letter;
    int boxX, boxY, boxCx, boxCy;
    bool horizontalLines;
    int lineY;
    int lineLength;  // of the vertical lines
    int labelY;
    bool centredLabels;
    std::uint16_t firstRadio;
    int radioX[5];
    int radioY;
};

void AppendPatternSet(std::vector<ExpectedItem>& items, const PatternSet& set)
{
    items.push_back({kNoId, K::kGroupBox, set.boxX, set.boxY, set.boxCx, set.boxCy, ""});
    for (int x : set.radioX) {
        if (set.horizontalLines) {
            items.push_back({kNoId, K::kBlackFrame, x, set.lineY, 10, 1, ""});
            items.push_back({kNoId, K::kBlackFrame, x, set.lineY + 4, 10, 1, ""});
        } else {
            items.push_back({kNoId, K::kBlackFrame, x + 2, set.lineY, 1, set.lineLength, ""});
            items.push_back({kNoId, K::kBlackFrame, x + 6, set.lineY, 1, set.lineLength, ""});
        }
    }
    for (int i = 0; i < 5; ++i) {
        const std::string label = std::string(1, set.letter) + std::to_string(i + 1);
        const int x = set.radioX[i];
        if (set.centredLabels)
            items.push_back({kNoId, K::kCentredLabelGroup, x - 3, set.labelY, 15, 8, label});
        else
            items.push_back({kNoId, K::kTextGroup, x, set.labelY, 12, 8, label});
    }
    for (int i = 0; i < 5; ++i)
        items.push_back({static_cast<std::uint16_t>(set.firstRadio + i), i == 0 ? K::kRadioFirst : K::kRadio,
                         set.radioX[i], set.radioY, 9, 11, ""});
}

std::vector<ExpectedItem> AlignGroupsItems()
{
    std::vector<ExpectedItem> items = {
        {3507, K::kDefaultButton, 133, 260, 39, 13, "&Fortsett"},
        {2, K::kPushButton, 189, 260, 39, 13, kCancel},
        {954, K::kOwnerDrawButton, 10, 260, 80, 15, ""},
        {kNoId, K::kGroupBox, 15, 7, 276, 53, ""},
        {853, K::kText, 25, 17, 258, 19, "Skriveren har nettopp skrevet ut en side med justeringsmønstre."},
        {854, K::kText, 24, 37, 262, 19,
         "Undersøk siden og finn det mønsteret som er best justert i hvert sett. Klikk på Fortsett."},
        {859, K::kGroupBox, 15, 64, 276, 190, "Velg det mønsteret som er best justert i hvert sett"},
    };
    const PatternSet sets[] = {
        {'A', 31, 72, 111, 52, true, 86, 0, 100, true, 1410, {43, 62, 81, 100, 119}, 109},
        {'B', 162, 72, 111, 56, false, 83, 16, 103, true, 1415, {175, 194, 213, 232, 251}, 114},
        {'C', 31, 128, 111, 52, true, 142, 0, 156, true, 1420, {43, 62, 81, 100, 119}, 165},
        {'D', 162, 128, 111, 56, false, 139, 16, 159, true, 1425, {174, 193, 212, 231, 250}, 170},
        {'E', 99, 187, 108, 57, false, 198, 18, 221, false, 1432, {112, 131, 150, 169, 188}, 230},
    };
    for (const PatternSet& set : sets)
        AppendPatternSet(items, set);
    return items;
}

// One pair of colour squares in dialog 183: its box, its two squares and its radio button.
struct ColourPair {
    int boxX, boxY;
    std::uint16_t leftSquare;
    int leftX, rightX, squareY;
    std::uint16_t radio;
    const char* letter;
    int radioX, radioY, radioCx;
};

std::vector<ExpectedItem> ColourChoiceItems()
{
    std::vector<ExpectedItem> items = {
        {890, K::kDefaultButton, 150, 235, 50, 14, "&Fullført"},
        {2, K::kPushButton, 215, 235, 50, 14, kCancel},
        {954, K::kOwnerDrawButton, 10, 235, 80, 15, ""},
        {887, K::kText, 15, 5, 315, 35,
         "Undersøk siden som ble skrevet ut, og velg det ruteparet som er likest i fargen. Klikk på "
         "den tilsvarende bokstaven nedenfor, og klikk deretter på \"Fullført\"."},
    };
    const ColourPair pairs[] = {
        {60, 40, 1511, 67, 89, 48, 1500, "A", 80, 90, 30},
        {135, 40, 1513, 142, 163, 48, 1501, "B", 155, 90, 30},
        {210, 40, 1515, 216, 237, 48, 1502, "C", 230, 90, 30},
        {60, 105, 1517, 67, 89, 114, 1503, "D", 80, 155, 21},
        {135, 105, 1519, 141, 163, 114, 1504, "E", 155, 155, 21},
        {210, 105, 1521, 217, 239, 114, 1505, "F", 230, 155, 30},
        {60, 170, 1523, 66, 87, 178, 1506, "G", 80, 220, 30},
        {135, 170, 1525, 141, 163, 178, 1507, "H", 155, 220, 35},
        {210, 170, 1527, 217, 239, 178, 1508, "I", 230, 220, 35},
    };
    for (const ColourPair& pair : pairs) {
        items.push_back({kNoId, K::kGroupBox, pair.boxX, pair.boxY, 54, 45, ""});
        items.push_back({pair.leftSquare, K::kOwnerDrawButton, pair.leftX, pair.squareY, 20, 32, ""});
        items.push_back({static_cast<std::uint16_t>(pair.leftSquare + 1), K::kOwnerDrawButton, pair.rightX,
                         pair.squareY, 20, 32, ""});
        items.push_back({pair.radio, K::kAutoRadio, pair.radioX, pair.radioY, pair.radioCx, 10, pair.letter});
    }
    return items;
}

std::vector<ExpectedDialog> BuildExpectedDialogs()
{
    return {
        {171, kPageStyle, 303, 165, "Juster skrivehodene", {
            {3503, K::kOwnerDrawButton, 10, 6, 110, 120, ""},
            {3504, K::kOwnerDrawButton, 13, 9, 104, 114, ""},
            {850, K::kText, 126, 15, 172, 27,
             "Ved hjelp av følgende prosedyre justeres fargede og svarte skrivehoder med hverandre."},
            {851, K::kText, 126, 49, 172, 19, kBestQuality},
            {852, K::kText, 126, 78, 167, 37,
             "Selv om du ikke legger merke til feiljustering, anbefales det å utføre justering hver "
             "gang du skifter et skrivehode."},
            {1409, K::kDefaultButton, 164, 145, 60, 13, kAlign},
            {2, K::kPushButton, 234, 145, 60, 13, kCancel},
            {843, K::kOwnerDrawButton, 9, 132, 285, 4, ""},
            {954, K::kOwnerDrawButton, 10, 145, 80, 15, ""},
        }},
        {1659, kCentredPageStyle, 303, 165, "Juster blekkpatroner", {
            {3504, K::kOwnerDrawButton, 13, 9, 104, 114, ""},
            {850, K::kText, 126, 15, 172, 32,
             "Denne skriveren utfører automatisk en justering hver gang du skifter en blekkpatron."},
            {851, K::kText, 126, 51, 172, 32, kBestQuality},
            {852, K::kText, 126, 87, 167, 37, " Klikk på \"Juster\" for å foreta en justering nå."},
            {1409, K::kDefaultButton, 164, 140, 60, 13, kAlign},
            {2, K::kPushButton, 234, 140, 60, 13, kCancel},
            {843, K::kOwnerDrawButton, 9, 132, 285, 4, ""},
            {954, K::kOwnerDrawButton, 9, 140, 100, 18, ""},
        }},
        {181, kPageStyle, 308, 279, "Juster skrivehodene", AlignGroupsItems()},
        {182, kPageStyle, 288, 165, "Juster skrivehodene", {
            {857, K::kText, 128, 17, 154, 32,
             "Skriveren har skrevet ut tre justeringsmønstre: to med firkanter og ett med kryss. "
             "Strekene i disse mønstrene skal være rette."},
            {858, K::kText, 128, 51, 154, 33,
             "Utfør justeringsprosedyren på nytt hvis strekene i disse mønstrene ikke ser rette ut."},
            {1, K::kDefaultButton, 126, 145, 39, 13, kOk},
            {954, K::kOwnerDrawButton, 10, 145, 80, 15, ""},
            {3503, K::kOwnerDrawButton, 10, 6, 110, 120, ""},
            {3504, K::kOwnerDrawButton, 13, 9, 104, 114, ""},
            {843, K::kOwnerDrawButton, 9, 132, 270, 4, ""},
        }},
        {190, kCentredPageStyle, 300, 80, "Juster blekkpatroner", {
            {857, K::kText, 20, 15, 255, 40,
             "Siden som skrives ut, viser resultatene av justeringsprosessen. Når siden er "
             "utskrevet, er justeringsprosessen fullført."},
            {1, K::kDefaultButton, 230, 62, 60, 14, kOk},
            {954, K::kOwnerDrawButton, 10, 65, 120, 14, ""},
        }},
        {164, kPageStyle, 295, 165, "Rens skrivehodene", {
            {3503, K::kOwnerDrawButton, 6, 6, 104, 120, ""},
            {3504, K::kOwnerDrawButton, 10, 9, 98, 114, ""},
            {860, K::kText, 116, 17, 160, 40,
             "Hvis utskriftskvaliteten på dokumentet ligner på den i diagrammet til venstre, må du "
             "muligens rense skrivehodene."},
            {861, K::kText, 116, 60, 160, 50,
             "Når du renser blekkpatronen, bør du legge en papirtype som tidligere har fungert godt, "
             "i skriveren. Hvis du vil rense blekkpatronen, velger du \"Rens\"."},
            {1400, K::kDefaultButton, 100, 145, 85, 13, "&Rens"},
            {2, K::kPushButton, 191, 145, 50, 13, kFinish},
            {843, K::kOwnerDrawButton, 9, 132, 277, 4, ""},
            {954, K::kOwnerDrawButton, 10, 145, 80, 15, ""},
        }},
        {165, kPageStyle, 288, 165, "Rens skrivehodene", {
            {862, K::kText, 111, 17, 172, 19, kLevel1Result},
            {863, K::kText, 111, 42, 172, 46,
             "Undersøk tekst- og fargerutene nedenfor den stiplede linjen. Klikk på \"Avslutt\" hvis "
             "teksten ser bra ut og fargerutene er helt fylt."},
            {2, K::kDefaultButton, 211, 145, 39, 13, kFinish},
            {1401, K::kPushButton, 105, 145, 75, 13, "Nivå &2-rens"},
            {864, K::kText, 111, 89, 167, 24, kOfferLevel2},
            {3503, K::kOwnerDrawButton, 7, 6, 98, 120, ""},
            {3504, K::kOwnerDrawButton, 11, 9, 89, 114, ""},
            {843, K::kOwnerDrawButton, 9, 132, 270, 4, ""},
            {954, K::kOwnerDrawButton, 10, 145, 80, 15, ""},
        }},
        {166, kPageStyle, 288, 165, "Rens skrivehodene", {
            {865, K::kText, 110, 17, 172, 19, kLevel2Result},
            {866, K::kText, 110, 42, 172, 34,
             "Undersøk tekst- og fargerutene nedenfor den stiplede linjen. Klikk på Avslutt hvis "
             "utskriftskvaliteten er bra. I motsatt fall klikker du på \"Nivå 3-rens\" for å utføre "
             "neste rensenivå."},
            {2, K::kDefaultButton, 191, 145, 39, 13, kFinish},
            {1402, K::kPushButton, 106, 145, 80, 13, "Nivå &3-rens"},
            {867, K::kText, 110, 80, 172, 27, kLevel3Warning},
            {868, K::kText, 110, 107, 172, 19, kLevel3Duration},
            {3503, K::kOwnerDrawButton, 7, 6, 96, 120, ""},
            {3504, K::kOwnerDrawButton, 10, 9, 88, 114, ""},
            {843, K::kOwnerDrawButton, 9, 132, 270, 4, ""},
            {954, K::kOwnerDrawButton, 10, 145, 80, 15, ""},
        }},
        {167, kPageStyle, 288, 165, "Rens skrivehodene", {
            {869, K::kText, 110, 17, 172, 24, "En side som viser resultatet av rensingen, skrives ut."},
            {870, K::kText, 110, 50, 172, 24,
             "Hvis utskriftskvaliteten fremdeles ikke er tilfredsstillende, må skrivehodene skiftes."},
            {2, K::kDefaultButton, 181, 145, 39, 13, kFinish},
            {3503, K::kOwnerDrawButton, 7, 6, 96, 120, ""},
            {3504, K::kOwnerDrawButton, 11, 9, 87, 114, ""},
            {843, K::kOwnerDrawButton, 9, 132, 270, 4, ""},
            {954, K::kOwnerDrawButton, 10, 145, 80, 15, ""},
        }},
        {1660, kCentredPageStyle, 295, 165, "Rens blekkpatroner", {
            {1667, K::kOwnerDrawStatic, 20, 20, 85, 110, "#1667"},
            {860, K::kText, 105, 20, 160, 56,
             "Hvis utskriftskvaliteten på dokumentet ligner på den i diagrammet til venstre, må du "
             "muligens rense blekkpatronene."},
            {861, K::kText, 105, 80, 160, 64,
             "Blekkpatronene skal renses når papirtypen som er lagt i, har fungert godt i skriveren "
             "tidligere. Klikk på \"Nivå 1-rens\" for å rense blekkpatronene."},
            {kNoId, K::kSunkenLine, 6, 138, 283, 1, ""},
            {954, K::kOwnerDrawButton, 6, 145, 100, 18, ""},
            {1400, K::kDefaultButton, 144, 145, 85, 13, "Nivå &1-rens"},
            {2, K::kPushButton, 239, 145, 50, 13, kFinish},
        }},
        {1661, kCentredPageStyle, 295, 165, "Rens blekkpatroner", {
            {1668, K::kOwnerDrawStatic, 20, 20, 85, 110, "#1668"},
            {862, K::kText, 105, 20, 160, 32, kLevel1Result},
            {863, K::kText, 105, 56, 160, 32, kJudgeCartridgePage},
            {864, K::kText, 105, 92, 160, 32, kOfferLevel2},
            {kNoId, K::kSunkenLine, 10, 135, 283, 1, ""},
            {2, K::kDefaultButton, 239, 145, 50, 13, kFinish},
            {1401, K::kPushButton, 144, 145, 85, 13, "Nivå &2-rens"},
            {954, K::kOwnerDrawButton, 10, 145, 100, 18, ""},
        }},
        {1662, kCentredPageStyle, 295, 165, "Rens blekkpatroner", {
            {1668, K::kOwnerDrawStatic, 20, 20, 85, 110, "#1668"},
            {865, K::kText, 105, 20, 160, 24, kLevel2Result},
            {866, K::kText, 105, 48, 160, 24, kJudgeCartridgePage},
            {867, K::kText, 105, 76, 160, 24, kLevel3Warning},
            {868, K::kText, 105, 104, 160, 24, kLevel3Duration},
            {2, K::kDefaultButton, 239, 145, 50, 13, kFinish},
            {1402, K::kPushButton, 144, 145, 85, 13, "Nivå &3-rens"},
            {kNoId, K::kSunkenLine, 10, 135, 283, 1, ""},
            {954, K::kOwnerDrawButton, 10, 145, 100, 18, ""},
        }},
        {1663, kCentredPageStyle, 295, 165, "Rens blekkpatroner", {
            {1668, K::kOwnerDrawStatic, 20, 20, 85, 110, "#1668"},
            {869, K::kText, 105, 20, 160, 40,
             "Siden som skrives ut, viser resultatene av nivå 3-renseprosessen."},
            {870, K::kText, 105, 64, 160, 40,
             "Hvis utskriftskvaliteten fremdeles ikke er tilfredsstillende, må blekkpatronene skiftes."},
            {kNoId, K::kSunkenLine, 6, 135, 283, 1, ""},
            {2, K::kDefaultButton, 239, 145, 50, 13, kFinish},
            {954, K::kOwnerDrawButton, 10, 145, 100, 18, ""},
        }},
        {162, kPageStyle, 288, 165, kSelfTestTitle, {
            {3503, K::kOwnerDrawButton, 10, 6, 103, 120, ""},
            {3504, K::kOwnerDrawButton, 13, 9, 99, 114, ""},
            {841, K::kText, 128, 6, 154, 120, kSelfTestBody},
            {1, K::kDefaultButton, 126, 145, 50, 13, kPrint},
            {2, K::kPushButton, 181, 145, 50, 13, kCancel},
            {843, K::kOwnerDrawButton, 9, 132, 270, 4, ""},
            {954, K::kOwnerDrawButton, 10, 145, 80, 15, ""},
        }},
        {1665, kPageStyle, 288, 165, kSelfTestTitle, {
            {1664, K::kOwnerDrawStatic, 20, 20, 85, 110, "#1664"},
            {841, K::kText, 105, 40, 154, 120, kSelfTestBody},
            {843, K::kOwnerDrawButton, 9, 132, 270, 4, ""},
            {1, K::kDefaultButton, 169, 145, 50, 13, kPrint},
            {2, K::kPushButton, 229, 145, 50, 13, kCancel},
            {954, K::kOwnerDrawButton, 10, 145, 100, 18, ""},
        }},
        {180, kPageStyle, 258, 140, "", {
            {3503, K::kOwnerDrawButton, 10, 6, 103, 100, ""},
            {3504, K::kOwnerDrawButton, 13, 9, 97, 94, ""},
            {842, K::kText, 120, 10, 130, 66, ""},
            {843, K::kOwnerDrawButton, 9, 112, 240, 4, ""},
            {1, K::kDefaultButton, 201, 123, 50, 13, kOk},
            {954, K::kOwnerDrawButton, 10, 123, 160, 18, ""},
        }},
        {184, kPageStyle, 308, 185, "Kalibrer fargene", {
            {3503, K::kOwnerDrawButton, 10, 6, 80, 120, ""},
            {3504, K::kOwnerDrawButton, 13, 15, 74, 105, ""},
            {884, K::kText, 105, 17, 192, 46,
             "Ved hjelp av denne prosedyren balanseres fargetonene på utskrevne sider. Utfør ikke "
             "denne prosedyren med mindre fargetonene i dokumentet du skriver ut, er synlig endret "
             "mot gult, magenta eller blått."},
            {885, K::kText, 105, 70, 192, 37,
             "Klikk på \"Kalibrer\" for å kalibrere fargene nå. Denne prosedyren tar ca. ett minutt "
             "og det går med ett ark."},
            {886, K::kText, 105, 115, 192, 30,
             "Klikk på \"Bruk standardinnstillinger\" for å gjenopprette fargeverdiene til "
             "fabrikkinnstillingene."},
            {954, K::kOwnerDrawButton, 5, 165, 80, 15, ""},
            {889, K::kPushButton, 95, 165, 103, 13, "&Bruk standardinnstillinger"},
            {888, K::kDefaultButton, 204, 165, 49, 13, "&Kalibrer"},
            {2, K::kPushButton, 258, 165, 40, 13, kCancel},
        }},
        {183, kNoCloseBoxStyle, 336, 255, "Kalibrer fargene", ColourChoiceItems()},
        {189, kHiddenCentredStyle, 225, 70, "Skriverservice", {
            {1, K::kDefaultButtonGroup, 160, 50, 60, 14, kOk},
            {954, K::kOwnerDrawButtonGroup, 5, 50, 100, 18, ""},
            {4010, K::kPushButton, 20, 17, 11, 12, ""},
            {4017, K::kText, 37, 18, 180, 15, "Rens blekkpatron"},
        }},
    };
}

} // namespace

std::uint16_t ClassAtomOf(ItemKind kind)
{
    switch (kind) {
    case K::kText:
    case K::kTextGroup:
    case K::kCentredLabelGroup:
    case K::kOwnerDrawStatic:
    case K::kBlackFrame:
    case K::kSunkenLine:
        return kStaticAtom;
    default:
        return kButtonAtom;
    }
}

std::uint32_t StyleOf(ItemKind kind)
{
    switch (kind) {
    case K::kDefaultButton: return 0x50010001;
    case K::kDefaultButtonGroup: return 0x50030001;
    case K::kPushButton: return 0x50010000;
    case K::kOwnerDrawButton: return 0x5000000B;
    case K::kOwnerDrawButtonGroup: return 0x5002000B;
    case K::kGroupBox: return 0x50000007;
    case K::kRadioFirst: return 0x50030004;
    case K::kRadio: return 0x50010004;
    case K::kAutoRadio: return 0x50000009;
    case K::kText: return 0x50000000;
    case K::kTextGroup: return 0x50020000;
    case K::kCentredLabelGroup: return 0x50020001;
    case K::kOwnerDrawStatic: return 0x5000000D;
    case K::kBlackFrame: return 0x50000007;
    case K::kSunkenLine: return 0x50001009;
    }
    throw std::invalid_argument("unknown item kind");
}

const std::vector<ExpectedDialog>& ExpectedDialogs()
{
    static const std::vector<ExpectedDialog> dialogs = BuildExpectedDialogs();
    return dialogs;
}

} // namespace template_test
