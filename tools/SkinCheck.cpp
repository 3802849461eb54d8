#include "SkinCheck.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "model/HitZone.h"
#include "model/Settings.h"
#include "model/SkinFile.h"
#include "model/PanelButtons.h"
#include "model/PanelLayout.h"
#include "base/BmpFile.h"
#include "base/Convert.h"
#include "base/Errors.h"
#include "base/Files.h"

namespace {

const char* const FieldNames[16] = {
    "PanelHeight",
    "Zone1.Left", "Zone1.Top", "Zone1.Right", "Zone1.Bottom",
    "Zone2.Left", "Zone2.Top", "Zone2.Right", "Zone2.Bottom",
    "Zone3.Left", "Zone3.Top", "Zone3.Right", "Zone3.Bottom",
    "ButtonWidth", "ButtonGap", "ButtonTop",
};
// Where a number stands in the description file, counted from 0.
enum Field : int { PanelHeightField = 0, ButtonWidthField = 13, ButtonGapField = 14, ButtonTopField = 15 };
enum ZoneEdge : int { LeftEdge, TopEdge, RightEdge, BottomEdge };
int ZoneField(int zone, ZoneEdge edge)
{
    return 1 + 4 * (zone - 1) + edge;
}
std::vector<int> ZoneFields(int zone)
{
    return {ZoneField(zone, LeftEdge), ZoneField(zone, TopEdge), ZoneField(zone, RightEdge),
            ZoneField(zone, BottomEdge)};
}

const char* const ZoneRoles[4] = {"", "opens the Start menu", "opens the main menu", "shows and hides the panel"};

const uint32_t StartKey = 0x800000;        // maroon: the start button lets clicks through there
const size_t MaxPictureFile = 80u << 20;  // the picture loader reads no larger file
const int32_t SmallScreenWidth = 640, SmallScreenHeight = 480;

std::string N(int64_t v)
{
    return std::to_string(v);
}

std::string Lower(std::string s)
{
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string Join(const std::string& folder, const std::string& name)
{
    return folder.empty() || folder.back() == '/' || folder.back() == PathSeparator ? folder + name
                                                                                   : folder + PathSeparator + name;
}

// A word of the description file as a user can read it in one line; a long
// one keeps its end, where a stray letter usually is.
std::string Shown(const std::string& word)
{
    std::string out;
    for (char c : word.size() > 40 ? word.substr(0, 28) + "..." + word.substr(word.size() - 9) : word)
        out += std::isprint(static_cast<unsigned char>(c)) ? c : '?';
    return out;
}

std::string Listed(const std::vector<std::string>& items)
{
    std::string out;
    for (size_t i = 0; i < items.size(); ++i)
        out += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    return out;
}

struct Word {
    int Line;
    // Whole when it could be a number; a longer one only as it is shown, its
    // first 28 and last 9 characters.
    std::string Text;
    size_t Length;
    size_t Hidden;  // words after a lone CR on the same line
};

// Read the way ReadSkinFrom reads it, as far as it needs, in pieces: the
// words it takes, one from each line that has one, with the line each stands
// on. The reader skips empty lines, so the sixteenth number need not be on
// line 16. A CR without its LF ends a word for the reader but not a line, so
// whatever follows it on the line never reaches the program. Past the
// seventeenth word only its line is wanted.
std::vector<Word> WordsOf(const std::string& path)
{
    InFile in(path);
    std::vector<Word> out;
    Word word{1, "", 0, 0};
    enum { Before, InWord, After } state = Before;
    bool afterCr = false, inHidden = false;
    auto keep = [&word](char c) {
        if (++word.Length <= MaxSkinWord) {
            word.Text += c;
            return;
        }
        if (word.Length == MaxSkinWord + 1)
            word.Text = word.Text.substr(0, 28) + "..." + word.Text.substr(word.Text.size() - 8);
        else
            word.Text.erase(31, 1);
        word.Text += c;
    };
    char buffer[16384];
    for (size_t n; (n = in.Read(buffer, sizeof buffer)) > 0;) {
        for (size_t i = 0; i < n; ++i) {
            const char c = buffer[i];
            const bool blank = c == ' ' || c == '\t' || c == '\r';
            if (c == '\n') {
                if (state != Before)
                    out.push_back(word);
                word = {word.Line + 1, "", 0, 0};
                state = Before, afterCr = inHidden = false;
            } else if (state == Before) {
                if (blank)
                    continue;
                if (out.size() == 16) {
                    out.push_back(word);
                    return out;
                }
                state = InWord;
                keep(c);
            } else if (state == InWord && !blank) {
                keep(c);
            } else {
                state = After;
                afterCr = afterCr || c == '\r';
                if (!blank && afterCr && !inHidden)
                    ++word.Hidden;
                inHidden = !blank;
            }
        }
    }
    if (state != Before)
        out.push_back(word);
    return out;
}

// Pixels x in [L, R), y in [T, B): a zone's inside, whose edges are outside.
struct Box {
    int32_t L, T, R, B;
    bool Empty() const { return L >= R || T >= B; }
    bool Has(int32_t x, int32_t y) const { return L <= x && x < R && T <= y && y < B; }
    Box Meet(const Box& o) const { return {std::max(L, o.L), std::max(T, o.T), std::min(R, o.R), std::min(B, o.B)}; }
};

Box InsideOf(const Zone& z)
{
    return {z.Left + 1, z.Top + 1, z.Right, z.Bottom};
}

std::string ZoneName(int i)
{
    return "zone " + N(i) + " (" + ZoneRoles[i] + ")";
}

std::string EmptyReason(uint16_t low, uint16_t high, const char* lowName, const char* highName)
{
    if (low >= high)
        return std::string(lowName) + " " + N(low) + " is not less than " + highName + " " + N(high);
    return std::string(highName) + " " + N(high) + " is only one past " + lowName + " " + N(low) +
           ", and a point on an edge is outside";
}

// Problems that several buttons share are one line, not eight.
struct ButtonGroup {
    Severity Level;
    std::string Place, Tail;
    std::vector<int> Buttons;
};

std::string Who(const std::vector<int>& buttons)
{
    std::vector<std::string> numbers, files;
    for (int k : buttons) {
        numbers.push_back(N(k));
        files.push_back(PanelButtons[k].File);
    }
    if (buttons.size() == 1)
        return "button " + numbers[0] + " (" + files[0] + ") is";
    std::string fileList;
    for (size_t i = 0; i < files.size(); ++i)
        fileList += (i ? ", " : "") + files[i];
    return "buttons " + Listed(numbers) + " (" + fileList + ") are";
}

class Checker {
public:
    explicit Checker(const std::string& folder) : Folder(folder) {}
    void Run(const std::string& file);
    std::vector<Finding> Out;

private:
    void Error(const std::string& text) { Out.push_back({Severity::Error, text}); }
    void Warning(const std::string& text) { Out.push_back({Severity::Warning, text}); }
    std::string PathOf(const std::string& name) const;
    std::string At(const std::vector<int>& fields) const;
    bool Readable(const std::vector<int>& fields) const;
    bool ReadDescription(const std::string& file);
    bool Picture(const std::string& name, const std::string& role, DibImage& image);
    std::string TooLarge(const std::string& path, const std::vector<uint8_t>& data, bool weighed) const;
    void CheckButtonPictures();
    void CheckZones(const DibImage* start);
    void CheckPanel(const DibImage* back);

    std::string Folder, File;
    std::vector<Word> Words;
    bool Unreadable[16] = {};  // not a number: the program stops there
    // What the program would hold for this skin, with its default settings.
    SkinMetrics Skin;
    const Settings Config = DefaultSettings("");
    DibImage Pictures[PanelButtonCount + 1];
    bool Loaded[PanelButtonCount + 1] = {};
};

// Windows finds "Normal.BMP" when asked for "normal.bmp"; so does the check.
std::string Checker::PathOf(const std::string& name) const
{
    const std::string exact = Join(Folder, name);
    if (FileExists(exact))
        return exact;
    const std::string wanted = Lower(name);
    for (const std::string& file : FilesIn(Folder))
        if (Lower(file) == wanted)
            return Join(Folder, file);
    return exact;
}

// "xpdef.qvs, line 8: ", "xpdef.qvs, lines 2 to 5 and 10 to 13: ": the lines
// of the numbers a finding is about (`fields` ascending); a number past the
// file's end has none.
std::string Checker::At(const std::vector<int>& fields) const
{
    std::vector<std::string> spans;
    size_t lines = 0;
    for (size_t i = 0; i < fields.size() && size_t(fields[i]) < Words.size();) {
        size_t j = i;
        while (j + 1 < fields.size() && fields[j + 1] == fields[j] + 1 && size_t(fields[j + 1]) < Words.size())
            ++j;
        if (j - i >= 2) {
            spans.push_back(N(Words[fields[i]].Line) + " to " + N(Words[fields[j]].Line));
            lines += 2;
        } else {
            for (size_t k = i; k <= j; ++k, ++lines)
                spans.push_back(N(Words[fields[k]].Line));
        }
        i = j + 1;
    }
    if (spans.empty())
        return File + ", after the last line: ";
    return File + (lines == 1 ? ", line " : ", lines ") + Listed(spans) + ": ";
}

bool Checker::Readable(const std::vector<int>& fields) const
{
    return std::none_of(fields.begin(), fields.end(), [this](int f) { return Unreadable[f]; });
}

// The numbers come from the program's own reader; the lines only say where a
// problem stands. Returns whether Skin now holds numbers worth checking.
bool Checker::ReadDescription(const std::string& file)
{
    File = file;
    const std::string path = PathOf(file);
    std::string failure;
    try {
        ReadSkinFile(path, Skin);
    } catch (const InOutError& e) {
        failure = e.what();
    }
    try {
        Words = WordsOf(path);
    } catch (const InOutError&) {
        Error(file + ": " + failure);
        return false;
    }

    const size_t count = std::min<size_t>(Words.size(), 16);
    for (size_t i = 0; i < count; ++i) {
        const Word& w = Words[i];
        if (w.Hidden > 0)
            Warning(file + ", line " + N(w.Line) + ": the line goes on after a lone CR (an old Macintosh line end), "
                    "which the program does not take for the end of a line: it reads \"" + Shown(w.Text) +
                    "\" and ignores the " + N(w.Hidden) + (w.Hidden == 1 ? " word" : " words") +
                    " after it; save the file with CR LF or LF line ends");
        const std::string where = file + ", line " + N(w.Line) + " (" + FieldNames[i] + "): ";
        int32_t value = 0;
        if (w.Length > MaxSkinWord || !TryStrToInt(w.Text, value)) {
            Error(where + "\"" + Shown(w.Text) + "\": " + InOutErrorText(ioInvalidInput));
            Unreadable[i] = true;
            continue;
        }
        if (value < 0 || value > 65535)
            Warning(where + N(value) + " is read as " + N(uint16_t(value)));
    }
    if (Words.size() < 16) {
        std::vector<std::string> missing(FieldNames + Words.size(), FieldNames + 16);
        const std::string last = Words.empty() ? ""
                                 : (Words.size() == 1 ? " (on line " : " (the last on line ") +
                                       N(Words.back().Line) + ")";
        Warning(file + " holds " + N(Words.size()) + (Words.size() == 1 ? " number" : " numbers") + last +
                ", not 16: the program reads " + (Words.empty() ? std::string("all of them") : Listed(missing)) +
                " as 0");
    } else if (Words.size() > 16) {
        Warning(file + ", line " + N(Words[16].Line) + ": everything after the sixteenth number is ignored");
    }
    if (failure.empty())
        return true;
    if (std::find(Unreadable, Unreadable + 16, true) == Unreadable + 16) {
        // The lines looked fine, yet the reader refused them.
        Error(file + ": " + failure);
        return false;
    }
    // The program stops at the first word that is no number; the author still
    // learns, at once, what the others would do. Everything that hangs on such
    // a word is left out: its zone takes no click, the panel checks that need
    // it are skipped.
    std::string numbers;
    for (size_t i = 0; i < count; ++i)
        numbers += (Unreadable[i] ? std::string("0") : Words[i].Text) + "\n";
    TextReader reader = TextReader::FromMemory(numbers);
    ReadSkinFrom(reader, Skin);
    Zone* const zones[4] = {nullptr, &Skin.StartMenuZone, &Skin.MainMenuZone, &Skin.PanelZone};
    for (int i = 1; i <= 3; ++i)
        if (!Readable(ZoneFields(i)))
            *zones[i] = Zone{};
    return true;
}

// Loaded as the program loads a picture, with the texts of its error box.
bool Checker::Picture(const std::string& name, const std::string& role, DibImage& image)
{
    const std::string path = PathOf(name);
    std::vector<uint8_t> data;
    try {
        InFile in(path);
        char buffer[65536];
        for (size_t n; data.size() <= MaxPictureFile && (n = in.Read(buffer, sizeof buffer)) > 0;)
            data.insert(data.end(), buffer, buffer + n);
    } catch (const InOutError& e) {
        // The box ends with the system's reason, worded in the language of
        // the user's Windows; the run time's own text for the code stands in.
        Error(name + " (" + role + "): Cannot open file \"" + path + "\". " + InOutErrorText(e.ErrorCode));
        return false;
    }
    bool weighed = false;
    try {
        if (data.size() > MaxPictureFile)
            throw InvalidPicture();
        WeighSkinPicture(path, data.data(), data.size());
        weighed = true;
        image = DecodeBmp(data.data(), data.size());
        return true;
    } catch (const InvalidPicture& e) {
        Error(name + " (" + role + "): " + e.what() + TooLarge(path, data, weighed));
        return false;
    }
}

// Why a picture is refused when it is for its size (alone, or with the rest
// of the skin when it is not `weighed`); the program's box says no more than
// that it is not valid.
std::string Checker::TooLarge(const std::string& path, const std::vector<uint8_t>& data, bool weighed) const
{
    const BmpDimensions size = ClaimedBmpSize(data.data(), data.size());
    const std::string claimed = ": it claims " + N(size.Width) + " x " + N(size.Height) + " pixels";
    if (size.Width > 0 && size.Height > 0 && !BmpSizeTaken(size))
        return claimed + ", and the program takes no side longer than " + N(MaxBmpSide) + " and no more than " +
               N(MaxBmpPixels) + " pixels in one picture";
    if (weighed || data.size() > MaxPictureFile)
        return "";
    return claimed + ", and the skin's pictures together " +
           N(SkinPicturesClaim(path.substr(0, path.find_last_of("\\/")))) + " (back.bmp counted twice, as the " +
           "panel shows it at both ends), more than the " + N(MaxSkinPixels) + " the program takes for a skin";
}

void Checker::Run(const std::string& file)
{
    bool described = false;
    if (file.empty())
        Error("no description file (*.qvs) in " + Folder + ": the skin cannot be chosen");
    else
        described = ReadDescription(file);

    DibImage start;
    const bool haveStart = Picture("normal.bmp", "the start button", start);
    if (haveStart) {
        Skin.StartWidth = uint16_t(start.Width);
        Skin.StartHeight = uint16_t(start.Height);
    }
    if (described)
        CheckZones(haveStart ? &start : nullptr);

    DibImage back, centre;
    const bool haveBack = Picture("back.bmp", "both end pieces of the panel", back);
    Picture("center.bmp", "the middle of the panel", centre);
    CheckButtonPictures();
    if (described)
        CheckPanel(haveBack ? &back : nullptr);
}

void Checker::CheckButtonPictures()
{
    for (int k = 1; k <= PanelButtonCount; ++k) {
        const PanelButtonRow& row = PanelButtons[k];
        const std::string role = "button " + N(k) + ", " + row.ChooserName;
        if (row.Optional && !FileExists(PathOf(row.File))) {
            Warning(std::string(row.File) + " is missing: button " + N(k) + " (" + row.ChooserName +
                    ") shows the program's own picture");
            continue;
        }
        Loaded[k] = Picture(row.File, role, Pictures[k]);
        if (!Loaded[k])
            continue;
        const DibImage& p = Pictures[k];
        const std::string size = N(p.Width) + " x " + N(p.Height);
        if (row.FixedSize && (p.Width > FixedButtonSize || p.Height > FixedButtonSize))
            Warning(std::string(row.File) + " is " + size + ", but button " + N(k) + " (" + row.ChooserName +
                    ") shows only its top-left 24 x 24 pixels");
        const uint32_t key = p.Pixels[size_t(p.Height - 1) * size_t(p.Width)];
        if (row.SeeThrough && std::all_of(p.Pixels.begin(), p.Pixels.end(), [key](uint32_t c) { return c == key; }))
            Warning(std::string(row.File) + " is all the colour of its lower-left pixel, which button " + N(k) +
                    " (" + row.ChooserName + ") draws see-through: the button is invisible");
    }
}

// The clicks a zone gets are counted by the program's own hit test, on the
// pixels of the start picture that are not see-through.
void Checker::CheckZones(const DibImage* start)
{
    const Zone* zones[4] = {nullptr, &Skin.StartMenuZone, &Skin.MainMenuZone, &Skin.PanelZone};
    const Box picture = start ? Box{0, 0, start->Width, start->Height} : Box{0, 0, 65536, 65536};
    Box seen[4];
    int64_t opaque[4] = {}, won[4] = {};
    for (int i = 1; i <= 3; ++i)
        seen[i] = InsideOf(*zones[i]).Meet(picture);
    if (start) {
        for (int32_t y = 0; y < start->Height; ++y)
            for (int32_t x = 0; x < start->Width; ++x) {
                if (start->Pixels[size_t(y) * size_t(start->Width) + size_t(x)] == StartKey)
                    continue;
                ++won[HitZone(Skin, x, y)];
                for (int i = 1; i <= 3; ++i)
                    opaque[i] += seen[i].Has(x, y);
            }
    }

    bool quiet[4] = {};  // a zone already in error needs no overlap warning
    const std::string pictureSize = start ? N(start->Width) + " x " + N(start->Height) : "";
    for (int i = 1; i <= 3; ++i) {
        const Zone& z = *zones[i];
        quiet[i] = true;
        if (!Readable(ZoneFields(i)))
            continue;
        if (InsideOf(z).Empty()) {
            const bool across = z.Left + 1 >= z.Right;
            Error(At(across ? std::vector<int>{ZoneField(i, LeftEdge), ZoneField(i, RightEdge)}
                            : std::vector<int>{ZoneField(i, TopEdge), ZoneField(i, BottomEdge)}) +
                  ZoneName(i) + " is empty: " +
                  (across ? EmptyReason(z.Left, z.Right, "left", "right")
                          : EmptyReason(z.Top, z.Bottom, "top", "bottom")));
            continue;
        }
        if (!start) {
            quiet[i] = false;
            continue;
        }
        if (seen[i].Empty()) {
            std::vector<int> past;
            if (z.Left + 1 >= start->Width)
                past.push_back(ZoneField(i, LeftEdge));
            if (z.Top + 1 >= start->Height)
                past.push_back(ZoneField(i, TopEdge));
            Error(At(past) + ZoneName(i) + " lies outside the start picture (" + pictureSize + "): left " + N(z.Left) +
                  ", top " + N(z.Top) + "; it can never be clicked");
            continue;
        }
        std::vector<int> past;
        if (z.Right > start->Width)
            past.push_back(ZoneField(i, RightEdge));
        if (z.Bottom > start->Height)
            past.push_back(ZoneField(i, BottomEdge));
        if (!past.empty())
            Warning(At(past) + ZoneName(i) + " reaches past the start picture (" + pictureSize + ") to right " +
                    N(z.Right) + ", bottom " + N(z.Bottom) + "; the part outside cannot be clicked");
        if (opaque[i] == 0) {
            Error(At(ZoneFields(i)) + ZoneName(i) +
                  " covers only see-through (maroon 128, 0, 0) pixels of normal.bmp, where the start button lets "
                  "clicks through; it can never be clicked");
            continue;
        }
        if (won[i] == 0) {
            std::vector<std::string> over;
            for (int j = i + 1; j <= 3; ++j)
                if (!seen[i].Meet(seen[j]).Empty())
                    over.push_back("zone " + N(j));
            Error(At(ZoneFields(i)) + ZoneName(i) + " lies wholly under " + Listed(over) +
                  ", and where zones overlap the later one wins; it can never be clicked");
            continue;
        }
        quiet[i] = false;
    }
    for (int i = 1; i <= 3; ++i)
        for (int j = i + 1; j <= 3; ++j) {
            const Box both = seen[i].Meet(seen[j]);
            if (quiet[i] || quiet[j] || both.Empty())
                continue;
            std::vector<int> fields = ZoneFields(i);
            for (int f : ZoneFields(j))
                fields.push_back(f);
            Warning(At(fields) + "zones " + N(i) + " and " + N(j) + " overlap at x " + N(both.L) + ".." +
                    N(both.R - 1) + ", y " + N(both.T) + ".." + N(both.B - 1) + "; zone " + N(j) + " (" +
                    ZoneRoles[j] + ") wins there");
        }
}

// Laid out by the program's own code with every button on the panel, button k
// in slot k, the default set-up; the user may move any button to any slot.
void Checker::CheckPanel(const DibImage* back)
{
    const int32_t frame = back ? back->Width : 0;
    const PanelRect panel = PanelBounds(Skin, Config.ButtonCount, SmallScreenHeight, frame);
    const int32_t height = Skin.PanelHeight, top = Skin.ButtonTop;
    const std::string panelHeight = "the panel only " + N(height) + " (PanelHeight)";
    const bool heightKnown = Readable({PanelHeightField}), widthKnown = Readable({ButtonWidthField, ButtonGapField});
    const bool topKnown = heightKnown && Readable({ButtonTopField});
    const std::string heightLine = At({PanelHeightField}), topLines = At({PanelHeightField, ButtonTopField});
    if (heightKnown) {
        if (height == 0)
            Error(heightLine + "PanelHeight is 0: the panel has no height, and neither it nor its buttons can be seen");
        else if (back && back->Height > height)
            Error(heightLine + "back.bmp is " + N(back->Height) + " pixels high, but " + panelHeight +
                  ": the bottom rows of both end pieces are cut off");
        else if (back && back->Height < height)
            Warning(heightLine + "back.bmp is " + N(back->Height) + " pixels high, but the panel " + N(height) +
                    " (PanelHeight): the panel's green background shows below both end pieces");
    }
    if (topKnown && height > 0 && top >= height)
        Error(topLines + "ButtonTop " + N(top) +
              " puts every button at or below the panel's bottom edge (PanelHeight " + N(height) +
              "): no button can be seen");

    std::vector<ButtonGroup> groups;
    auto add = [&groups](Severity level, const std::string& place, const std::string& tail, int k) {
        for (ButtonGroup& g : groups)
            if (g.Level == level && g.Tail == tail)
                return g.Buttons.push_back(k);
        groups.push_back({level, place, tail, {k}});
    };
    const int32_t slotWidth = Skin.ButtonWidth, gap = Skin.ButtonGap;
    for (int k = 1; k <= PanelButtonCount; ++k) {
        const bool fixed = PanelButtons[k].FixedSize;
        if (!fixed && !Loaded[k])
            continue;
        const int32_t w = fixed ? FixedButtonSize : Pictures[k].Width;
        const int32_t h = fixed ? FixedButtonSize : Pictures[k].Height;
        const ButtonPlace at = ButtonHome(Skin, Config.ButtonSlot[k], frame);
        // Where the next slot begins; after the last slot the right end piece does.
        const int32_t next = ButtonHome(Skin, uint8_t(Config.ButtonSlot[k] + 1), frame).Left;
        if (widthKnown && at.Left + w > next)
            add(Severity::Error, At({ButtonWidthField, ButtonGapField}),
                N(w) + " pixels wide, more than the " + N(next - at.Left) + " from one slot to the next (ButtonWidth " +
                    N(slotWidth) + " + ButtonGap " + N(gap) +
                    "): drawn over the button to its right, or over the right end piece in the last slot",
                k);
        else if (widthKnown && w > slotWidth)
            add(Severity::Warning, At({ButtonWidthField}),
                N(w) + " pixels wide, wider than a slot (ButtonWidth " + N(slotWidth) + "): it reaches into the gap",
                k);
        if (!topKnown || height == 0 || at.Top >= height)
            continue;
        if (at.Top + h > height)
            add(Severity::Error, topLines,
                N(h) + " pixels high: from ButtonTop " + N(top) + " it passes the panel's bottom edge (PanelHeight " +
                    N(height) + ") and its bottom " + N(at.Top + h - height) + " rows are cut off",
                k);
        else if (at.Top + h == height)
            add(Severity::Warning, topLines,
                N(h) + " pixels high and ends on the panel's bottom edge: pressed, it moves one pixel down and "
                       "loses its bottom row",
                k);
    }
    for (const ButtonGroup& g : groups)
        Out.push_back({g.Level, g.Place + Who(g.Buttons) + " " + g.Tail});

    if (widthKnown && panel.Width > SmallScreenWidth)
        Warning(At({ButtonWidthField, ButtonGapField}) + "with all eight buttons the panel is " + N(panel.Width) +
                " pixels wide, wider than a 640 x 480 screen");
    if (heightKnown && panel.Top < 0)
        Warning(heightLine + "the panel (PanelHeight " + N(height) + ") above the start button (" +
                N(Skin.StartHeight) + " high) does not fit on a 640 x 480 screen: its top " + N(-panel.Top) +
                " rows are off the screen");
}

} // namespace

std::vector<std::string> DescriptionFiles(const std::string& folder)
{
    std::vector<std::string> out;
    for (const std::string& name : FilesIn(folder))
        if (name.size() > 4 && Lower(name.substr(name.size() - 4)) == ".qvs")
            out.push_back(name);
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<Finding> CheckSkin(const std::string& folder, const std::string& file)
{
    Checker checker(folder);
    checker.Run(file);
    return checker.Out;
}

std::string FormatFinding(const Finding& f)
{
    return (f.Level == Severity::Error ? "error: " : "warning: ") + f.Text;
}

std::string Summary(const std::vector<Finding>& all)
{
    const auto errors = std::count_if(all.begin(), all.end(), [](const Finding& f) { return f.Level == Severity::Error; });
    const auto warnings = int64_t(all.size()) - errors;
    return N(errors) + (errors == 1 ? " error, " : " errors, ") + N(warnings) + (warnings == 1 ? " warning" : " warnings");
}

bool HasErrors(const std::vector<Finding>& all)
{
    return std::any_of(all.begin(), all.end(), [](const Finding& f) { return f.Level == Severity::Error; });
}

int RunSkinCheck(const std::vector<std::string>& args, std::string& out, std::string& err)
{
    std::vector<std::string> names;
    bool strict = false;
    for (const std::string& a : args)
        if (a == "--strict")
            strict = true;
        else
            names.push_back(a);
    if (names.empty() || names.size() > 2) {
        err += "usage: skincheck [--strict] <skin folder> [description file]\n"
               "  without a description file, the folder's one *.qvs file is checked\n"
               "  exit status: 0 no errors, 1 errors, 2 bad usage\n"
               "  --strict: warnings count as errors (exit status 1), for a script that wants a flawless skin\n";
        return 2;
    }
    const std::string& folder = names[0];
    if (!FolderExists(folder)) {
        err += "skincheck: " + folder + " is not a folder\n";
        return 2;
    }
    std::string file = names.size() == 2 ? names[1] : "";
    if (file.empty()) {
        const std::vector<std::string> found = DescriptionFiles(folder);
        if (found.size() > 1) {
            err += "skincheck: " + folder + " holds several description files:";
            for (const std::string& name : found)
                err += " " + name;
            err += "; name the one to check\n";
            return 2;
        }
        if (!found.empty())
            file = found[0];
    }

    const std::vector<Finding> findings = CheckSkin(folder, file);
    for (const Finding& f : findings)
        out += FormatFinding(f) + "\n";
    out += Join(folder, file) + ": " + Summary(findings) + (strict ? " (--strict: warnings count as errors)" : "") +
           "\n";
    return HasErrors(findings) || (strict && !findings.empty()) ? 1 : 0;
}
