// The table of the designer's inputs, one row each, in the form's order.
#include <cmath>

#include "core/designerinputs.h"
#include "core/designerrows.h"
#include "core/numtext.h"
#include "core/translatable.h"

namespace varnel {

namespace {

using namespace rows;

std::vector<DesignerInput> makeInputs() {
    using P = OptionPart;
    std::vector<DesignerInput> inputs;
    DesignerInput fretCount{"txtFrets",
                            QT_TRANSLATE_NOOP("varnel::Words", "Number of Frets"),
                            kStrings,
                            InputKind::Count,
                            {}};
    fretCount.read = [](std::string_view text, double, DesignerInputs& in) {
        const auto n = toInt16(text);
        if (n && *n >= 1 && *n <= kMaxFrets) in.frets = *n;
        return n && *n >= 1 && *n <= kMaxFrets;
    };
    fretCount.text = [](const DesignerInputs& in) { return std::to_string(in.frets); };
    fretCount.unreadable =
        QT_TRANSLATE_NOOP("varnel::Words", "%1 must be a whole number from 1 to 32766.");
    fretCount.mnemonic = 'N';
    inputs.push_back(std::move(fretCount));
    inputs.push_back(count("txtStrings", QT_TRANSLATE_NOOP("varnel::Words", "Number of Strings"),
                           kStrings,
                           {"--strings", P::Whole, {}, "N  the number of strings, 2 to 12"},
                           [](DesignerInputs& in) -> int& { return in.strings; }));
    inputs.push_back(named(
        length("txtFirstScale", QT_TRANSLATE_NOOP("varnel::Words", "First String Scale Length"),
               kStrings, {{"--first-scale", P::Whole, {}, "L  the first (treble) string's"}},
               [](DesignerInputs& in) -> double& { return in.firstScale; }),
        QT_TRANSLATE_NOOP("varnel::Words", "first string's scale length")));
    inputs.push_back(
        named(length("txtLastScale", QT_TRANSLATE_NOOP("varnel::Words", "Last String Scale Length"),
                     kStrings, {{"--last-scale", P::Whole, {}, "L  the last (bass) string's"}},
                     [](DesignerInputs& in) -> double& { return in.lastScale; }),
              QT_TRANSLATE_NOOP("varnel::Words", "last string's scale length")));
    inputs.push_back(named(
        length("txtNutSpacing", QT_TRANSLATE_NOOP("varnel::Words", "String Spacing at Nut"),
               kStrings, {{"--nut-spacing", P::Whole, {}, "W  outer strings' centres, at the nut"}},
               [](DesignerInputs& in) -> double& { return in.nutSpacing; }),
        QT_TRANSLATE_NOOP("varnel::Words", "string spacing at the nut")));
    inputs.push_back(named(
        length("txtBridgeSpacing", QT_TRANSLATE_NOOP("varnel::Words", "String Spacing at Bridge"),
               kStrings, {{"--bridge-spacing", P::Whole, {}, "W  and at the bridge"}},
               [](DesignerInputs& in) -> double& { return in.bridgeSpacing; }),
        QT_TRANSLATE_NOOP("varnel::Words", "string spacing at the bridge")));
    // The perpendicular fret or ratio: one box, read as the choice beside it says.
    DesignerInput kind{
        "cboPerpendicular",
        QT_TRANSLATE_NOOP("varnel::Words", "Perpendicular Fret or Ratio"),
        kStrings,
        InputKind::Choice,
        {{"--perpendicular-fret", P::Fixed, "0"}, {"--perpendicular-ratio", P::Fixed, "1"}},
        {QT_TRANSLATE_NOOP("varnel::Words", "Perpendicular Fret"),
         QT_TRANSLATE_NOOP("varnel::Words", "Perpendicular Ratio")}};
    kind.read = [](std::string_view text, double, DesignerInputs& in) {
        if (text == "1") {
            in.perpendicularFret.reset();
        } else if (!in.perpendicularFret) {
            in.perpendicularFret = 0;  // the box's text says which
        }
        return true;
    };
    kind.text = [](const DesignerInputs& in) {
        return std::string(in.perpendicularFret ? "0" : "1");
    };
    inputs.push_back(std::move(kind));
    DesignerInput perpendicular{
        "txtPerpendicular",
        QT_TRANSLATE_NOOP("varnel::Words", "Perpendicular Fret"),
        kStrings,
        InputKind::Number,
        {{"--perpendicular-fret", P::Whole, {}, "N  the fret square to the midline, 0 the nut"},
         {"--perpendicular-ratio",
          P::Whole,
          {},
          "P  or the ratio: 0 square nut, 1 square bridge"}}};
    perpendicular.read = [](std::string_view text, double, DesignerInputs& in) {
        if (in.perpendicularFret) {
            const auto fret = toInt16(text);
            if (fret) in.perpendicularFret = *fret;
            return fret.has_value();
        }
        const auto ratio = toDouble(text);
        if (!ratio || !std::isfinite(*ratio)) return false;
        in.perpendicularRatio = *ratio;
        return true;
    };
    perpendicular.text = [](const DesignerInputs& in) {
        return in.perpendicularFret ? std::to_string(*in.perpendicularFret)
                                    : formatShortest(in.perpendicularRatio);
    };
    perpendicular.value = [](const DesignerInputs& in) {
        return in.perpendicularFret ? 0.0 : in.perpendicularRatio;
    };
    perpendicular.noun = QT_TRANSLATE_NOOP("varnel::Words", "perpendicular ratio");
    inputs.push_back(std::move(perpendicular));
    // One box sets both sides; a bass overhang typed beside it, the bass side.
    DesignerInput overhang =
        length("txtOverhang", QT_TRANSLATE_NOOP("varnel::Words", "Fretboard Overhang"), kStrings,
               {{"--overhang", P::First, {}, "O|TREBLE,BASS  the board beyond the outer strings"}},
               [](DesignerInputs& in) -> double& { return in.trebleOverhang; });
    overhang.read = [read = overhang.read](std::string_view text, double factor,
                                           DesignerInputs& in) {
        if (!read(text, factor, in)) return false;
        in.bassOverhang = in.trebleOverhang;
        return true;
    };
    overhang.noun = QT_TRANSLATE_NOOP("varnel::Words", "fretboard overhang");
    inputs.push_back(std::move(overhang));
    DesignerInput bass =
        length("txtBassOverhang", QT_TRANSLATE_NOOP("varnel::Words", "Bass Overhang"), kStrings,
               {{"--overhang", P::SecondOrBlank}},
               [](DesignerInputs& in) -> double& { return in.bassOverhang; });
    bass.read = [read = bass.read](std::string_view text, double factor, DesignerInputs& in) {
        return text.find_first_not_of(' ') == std::string_view::npos || read(text, factor, in);
    };
    bass.text = [](const DesignerInputs& in) {
        return in.bassOverhang == in.trebleOverhang ? std::string()
                                                    : formatShortest(in.bassOverhang);
    };
    bass.noun = QT_TRANSLATE_NOOP("varnel::Words", "fretboard overhang");
    inputs.push_back(std::move(bass));

    DesignerInput temperament{
        "cboTemperament",
        QT_TRANSLATE_NOOP("varnel::Words", "Temperament"),
        kTuning,
        InputKind::Choice,
        {{"--edo", P::Fixed, "1"}, {"--period", P::Fixed, "1"}, {"--scala", P::Fixed, "2"}},
        {QT_TRANSLATE_NOOP("varnel::Words", "12 Equal"),
         QT_TRANSLATE_NOOP("varnel::Words", "Equal Divisions"),
         QT_TRANSLATE_NOOP("varnel::Words", "Scala File")}};
    temperament.read = [](std::string_view text, double, DesignerInputs& in) {
        const auto index = toInt16(text);
        in.tuning.temperament = index && *index >= 0 && *index <= 2 ? *index : 0;
        return true;
    };
    temperament.text = [](const DesignerInputs& in) {
        return std::to_string(in.tuning.temperament);
    };
    inputs.push_back(std::move(temperament));
    DesignerInput divisions =
        words("txtDivisions", QT_TRANSLATE_NOOP("varnel::Words", "Divisions"), InputKind::Count,
              {{"--edo", P::Whole, {}, "N  equal divisions of the period"}},
              [](DesignerInputs& in) -> std::string& { return in.tuning.divisions; });
    divisions.unreadable =
        QT_TRANSLATE_NOOP("varnel::Words", "%1 must be a whole number from 1 to 1000.");
    inputs.push_back(std::move(divisions));
    DesignerInput period =
        words("txtPeriod", QT_TRANSLATE_NOOP("varnel::Words", "Period"), InputKind::Pitch,
              {{"--period", P::Whole, {}, "P  a ratio such as 3/1, or cents such as 1200.0"}},
              [](DesignerInputs& in) -> std::string& { return in.tuning.period; });
    period.unreadable = QT_TRANSLATE_NOOP(
        "varnel::Words",
        "%1 must be a ratio such as 2/1 or 3/1, or cents such as 1200.0, above the open string.");
    inputs.push_back(std::move(period));
    inputs.push_back(words("txtScalaFile", QT_TRANSLATE_NOOP("varnel::Words", "Scala File"),
                           InputKind::Path,
                           {{"--scala", P::Whole, {}, "FILE  a Scala scale (.scl)"}},
                           [](DesignerInputs& in) -> std::string& { return in.tuning.scalaFile; }));
    DesignerInput tuning{"txtStringTuning",
                         QT_TRANSLATE_NOOP("varnel::Words", "String Tuning"),
                         kTuning,
                         InputKind::Degrees,
                         {{"--tuning",
                           P::Whole,
                           {},
                           "\"D1 D2 ...\"  each string's open note, a degree of the scale"}}};
    tuning.read = [](std::string_view text, double, DesignerInputs& in) {
        const auto degrees = fretListFromText(text);
        if (degrees) in.tuning.degrees = *degrees;
        return degrees.has_value();
    };
    tuning.text = [](const DesignerInputs& in) { return fretListText(in.tuning.degrees); };
    tuning.unreadable = QT_TRANSLATE_NOOP(
        "varnel::Words",
        "%1 must be a degree of the scale for each string, first string first, separated by "
        "blanks.");
    inputs.push_back(std::move(tuning));
    DesignerInput fretSet{
        "cboFretSet",
        QT_TRANSLATE_NOOP("varnel::Words", "Fret Set"),
        kTuning,
        InputKind::Choice,
        {{"--fret-set", P::Whole, {}, "all|diatonic  a dulcimer's frets"}},
        {QT_TRANSLATE_NOOP("varnel::Words", "All"), QT_TRANSLATE_NOOP("varnel::Words", "Diatonic")},
        {"all", "diatonic"}};
    fretSet.read = [](std::string_view text, double, DesignerInputs& in) {
        in.tuning.diatonic = text == "1";
        return true;
    };
    fretSet.text = [](const DesignerInputs& in) {
        return std::string(in.tuning.diatonic ? "1" : "0");
    };
    inputs.push_back(std::move(fretSet));
    inputs.push_back(
        words("txtExtraFrets", QT_TRANSLATE_NOOP("varnel::Words", "Extra Frets"), InputKind::Words,
              {{"--extra-frets", P::Whole, {}, "\"6+ 13+\"  among the diatonic frets"}},
              [](DesignerInputs& in) -> std::string& { return in.tuning.extraFrets; }));

    inputs.push_back(
        named(length("txtSlotWidth", QT_TRANSLATE_NOOP("varnel::Words", "Slot Width"), kWorkshop,
                     {{"--slot-width", P::Whole, {}, "W  the saw's kerf; 0: centre lines"}},
                     [](DesignerInputs& in) -> double& { return in.workshop.slotWidth; }),
              QT_TRANSLATE_NOOP("varnel::Words", "slot width")));
    inputs.push_back(
        frets("txtMarkers", QT_TRANSLATE_NOOP("varnel::Words", "Position Markers"),
              {"--markers",
               P::Whole,
               {},
               "\"F ...\"  the frets with a marker (the default follows the tuning)"},
              [](DesignerInputs& in) -> std::vector<int>& { return in.workshop.markers; }));
    inputs.push_back(
        frets("txtDoubleMarkers", QT_TRANSLATE_NOOP("varnel::Words", "Double Markers"),
              {"--double-markers", P::Whole, {}, "\"F ...\"  those with two"},
              [](DesignerInputs& in) -> std::vector<int>& { return in.workshop.doubleMarkers; }));
    inputs.push_back(
        named(length("txtMarkerDiameter", QT_TRANSLATE_NOOP("varnel::Words", "Marker Diameter"),
                     kWorkshop, {{"--marker-diameter", P::Whole, {}, "D"}},
                     [](DesignerInputs& in) -> double& { return in.workshop.markerDiameter; }),
              QT_TRANSLATE_NOOP("varnel::Words", "marker diameter")));
    inputs.push_back(flag("chkSideMarkers", QT_TRANSLATE_NOOP("varnel::Words", "Side Markers"), 'a',
                          {{"--side-markers", P::Whole, {}, "yes|no  dots on the bass edge"}},
                          [](DesignerInputs& in) -> bool& { return in.workshop.sideMarkers; }));
    inputs.push_back(named(
        length("txtSideMarkerDiameter", QT_TRANSLATE_NOOP("varnel::Words", "Side Marker Diameter"),
               kWorkshop, {{"--side-marker-diameter", P::Whole, {}, "D"}},
               [](DesignerInputs& in) -> double& { return in.workshop.sideMarkerDiameter; }),
        QT_TRANSLATE_NOOP("varnel::Words", "side marker diameter")));
    inputs.push_back(
        named(length("txtBoardEnd", QT_TRANSLATE_NOOP("varnel::Words", "Board End"), kWorkshop,
                     {{"--board-end", P::Whole, {}, "D  the board past the last fret"}},
                     [](DesignerInputs& in) -> double& { return in.workshop.boardEnd; }),
              QT_TRANSLATE_NOOP("varnel::Words", "board end")));
    inputs.push_back(flag("chkZeroFret", QT_TRANSLATE_NOOP("varnel::Words", "Zero Fret"), 'Z',
                          {{"--zero-fret", P::Fixed, "1"}},
                          [](DesignerInputs& in) -> bool& { return in.workshop.zeroFret; }));
    inputs.push_back(
        named(length("txtNutGap", QT_TRANSLATE_NOOP("varnel::Words", "Nut Gap"), kWorkshop,
                     {{"--zero-fret", P::Whole, {}, "GAP  a zero fret, the nut GAP behind it"}},
                     [](DesignerInputs& in) -> double& { return in.workshop.nutGap; }),
              QT_TRANSLATE_NOOP("varnel::Words", "nut gap")));
    inputs.push_back(named(
        length("txtTrebleSaddle", QT_TRANSLATE_NOOP("varnel::Words", "Treble Saddle Compensation"),
               kWorkshop,
               {{"--saddle-compensation", P::First, {}, "TREBLE,BASS  along the outer strings"}},
               [](DesignerInputs& in) -> double& { return in.workshop.trebleSaddle; }),
        QT_TRANSLATE_NOOP("varnel::Words", "treble saddle compensation")));
    inputs.push_back(named(
        length("txtBassSaddle", QT_TRANSLATE_NOOP("varnel::Words", "Bass Saddle Compensation"),
               kWorkshop, {{"--saddle-compensation", P::SecondOrFirst}},
               [](DesignerInputs& in) -> double& { return in.workshop.bassSaddle; }),
        QT_TRANSLATE_NOOP("varnel::Words", "bass saddle compensation")));
    inputs.push_back(
        named(length("txtRadiusNut", QT_TRANSLATE_NOOP("varnel::Words", "Radius at Nut"), kWorkshop,
                     {{"--radius", P::First, {}, "NUT,END  a compound radius; 0: flat"}},
                     [](DesignerInputs& in) -> double& { return in.workshop.radiusAtNut; }),
              QT_TRANSLATE_NOOP("varnel::Words", "radius at the nut")));
    inputs.push_back(
        named(length("txtRadiusEnd", QT_TRANSLATE_NOOP("varnel::Words", "Radius at End"), kWorkshop,
                     {{"--radius", P::SecondOrFirst}},
                     [](DesignerInputs& in) -> double& { return in.workshop.radiusAtEnd; }),
              QT_TRANSLATE_NOOP("varnel::Words", "radius at the end")));

    DesignerInput stringSet{"txtStringSet",
                            QT_TRANSLATE_NOOP("varnel::Words", "String Set"),
                            kIntonation,
                            InputKind::Path,
                            {{"--string-set",
                              P::Whole,
                              {},
                              "NAME|FILE  acoustic-12-53, electric-10-46, "
                              "classical-normal, bass-45-105, or a CSV file"}}};
    stringSet.read = [](std::string_view text, double, DesignerInputs& in) {
        in.intonation.stringSet = std::string(text);
        return true;
    };
    stringSet.text = [](const DesignerInputs& in) { return in.intonation.stringSet; };
    inputs.push_back(std::move(stringSet));
    for (const bool nut : {true, false}) {
        DesignerInput action = length(
            nut ? "txtActionNut" : "txtAction12",
            nut ? QT_TRANSLATE_NOOP("varnel::Words", "Action at Nut")
                : QT_TRANSLATE_NOOP("varnel::Words", "Action at Fret 12"),
            kIntonation,
            {nut ? InputOption{"--action",
                               P::First,
                               {},
                               "NUT,FRET12  the strings' height above the frets"}
                 : InputOption{"--action", P::SecondOrFirst}},
            nut ? [](DesignerInputs& in) -> double& { return in.intonation.actionNut; }
                : [](DesignerInputs& in) -> double& { return in.intonation.action12; });
        action.noun = nut ? QT_TRANSLATE_NOOP("varnel::Words", "action at the nut")
                          : QT_TRANSLATE_NOOP("varnel::Words", "action at fret 12");
        action.notNegative = true;
        inputs.push_back(std::move(action));
    }
    inputs.push_back(count("txtIntonateFrets",
                           QT_TRANSLATE_NOOP("varnel::Words", "Frets to Intonate"), kIntonation,
                           {"--intonate-frets", P::Whole, {}, "K  frets 1 to K in tune"},
                           [](DesignerInputs& in) -> int& { return in.intonation.frets; }));
    DesignerInput nutToo =
        flag("chkNutCompensation", QT_TRANSLATE_NOOP("varnel::Words", "Nut Compensation"), 'N',
             {{"--nut-compensation", P::Whole, {}, "yes|no  move each string's nut point too"}},
             [](DesignerInputs& in) -> bool& { return in.intonation.nutToo; });
    nutToo.group = kIntonation;
    inputs.push_back(std::move(nutToo));
    DesignerInput saddle{"cboSaddle",
                         QT_TRANSLATE_NOOP("varnel::Words", "Saddle"),
                         kIntonation,
                         InputKind::Choice,
                         {{"--saddle", P::Whole, {}, "per-string|straight|typed"}},
                         {QT_TRANSLATE_NOOP("varnel::Words", "Per String"),
                          QT_TRANSLATE_NOOP("varnel::Words", "Straight"),
                          QT_TRANSLATE_NOOP("varnel::Words", "Typed Compensation")},
                         {"per-string", "straight", "typed"}};
    saddle.read = [](std::string_view text, double, DesignerInputs& in) {
        const auto index = toInt16(text);
        in.intonation.saddle = index && *index >= 0 && *index <= 2 ? static_cast<SaddleKind>(*index)
                                                                   : SaddleKind::PerString;
        return true;
    };
    saddle.text = [](const DesignerInputs& in) {
        return std::to_string(static_cast<int>(in.intonation.saddle));
    };
    inputs.push_back(std::move(saddle));
    return inputs;
}

}  // namespace

const std::vector<DesignerInput>& designerInputs() {
    static const std::vector<DesignerInput> inputs = makeInputs();
    return inputs;
}

}  // namespace varnel
