#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/listing_file.h"
#include "shell/outcome.h"

namespace csp {

// A picture as SVG text, built element by element: groups, lines, paths,
// rectangles, circles and texts on a viewBox of the given size, with a
// <title> and a <desc> that screen readers speak. Texts and attribute values
// are Windows-1252, as report lines are, and come out as escaped UTF-8;
// coordinates print through the report formatter, so the same picture
// gives the same bytes on every system. One element per line, "\n" after
// each.
class SvgWriter {
public:
    // An attribute's value: a text, or a coordinate printed as `number`
    // prints it, straight into the picture.
    class Value {
    public:
        Value(std::string_view text) : text_(text) {}
        Value(const std::string& text) : text_(text) {}
        Value(const char* text) : text_(text) {}
        Value(double coordinate) : coordinate_(coordinate), kind_(Kind::Coordinate) {}
        // Path data as SvgPath makes it: letters, digits, points, signs and
        // blanks, which go out as they are.
        static Value pathData(std::string_view data) {
            Value value(data);
            value.kind_ = Kind::Verbatim;
            return value;
        }

    private:
        friend class SvgWriter;
        enum class Kind { Text, Coordinate, Verbatim };
        std::string_view text_;
        double coordinate_ = 0.0;
        Kind kind_ = Kind::Text;
    };
    // A name and its value, as the element will carry it. A text value is
    // only looked at: a temporary one lives until the call returns.
    using Attribute = std::pair<std::string_view, Value>;
    using Attributes = std::initializer_list<Attribute>;

    // The picture's size in user units, its title and description, and the
    // style sheet its classes refer to: the program's own text, which goes
    // out as it is.
    SvgWriter(double width, double height, std::string_view title, std::string_view description,
              std::string_view styleSheet);

    // Element and attribute names, class names and anchors are the
    // program's own names and go out as they are; texts and attribute
    // values are escaped.

    // An element that holds others (<g>, <defs>, <pattern>), closed by end.
    void begin(std::string_view name, Attributes attributes);
    void end();
    void beginGroup(Attributes attributes) { begin("g", attributes); }
    void endGroup() { end(); }
    // Any element without content: <line>, <path>, <rect>, <circle>...
    void element(std::string_view name, Attributes attributes);
    void line(double x1, double y1, double x2, double y2, std::string_view cssClass);
    void rect(double x, double y, double width, double height, std::string_view cssClass, Attributes extra = {});
    // A path: its data, as SvgPath makes it, goes out unescaped.
    void path(std::string_view data, std::string_view cssClass, Attributes extra = {});
    // A text at (x, y), its anchor "start", "middle" or "end".
    void text(double x, double y, std::string_view content, std::string_view cssClass,
              std::string_view anchor = "start", Attributes extra = {});
    // The same, turned a quarter left about (x, y) so that it reads upwards.
    void upwardText(double x, double y, std::string_view content, std::string_view cssClass,
                    std::string_view anchor = "middle", Attributes extra = {});

    // Closes the open groups and the picture and hands out the text.
    std::string finish();

    // A coordinate as the picture prints it: to a tenth of a unit, halves
    // away from zero, without a trailing zero; a value that is not finite
    // prints 0. Coordinates are the picture's geometry, not numbers a reader
    // reads: they take this short integer path rather than the report
    // formatter, which prints every label.
    static std::string number(double value);
    // The same, appended to `out`.
    static void appendNumber(std::string& out, double value);
    // The same, written at `at`, which has room for `longestNumber` bytes;
    // returns the end of what it wrote.
    static char* printNumber(char* at, double value);
    static constexpr std::size_t longestNumber = 24;

private:
    void open(std::string_view name, Attributes attributes, Attributes extra, bool empty);
    void appendAttributes(Attributes list);
    void indent();
    void appendEscaped(std::string_view windows1252);
    void appendCoordinate(double value);
    void put(std::string_view bytes);
    void room(std::size_t bytes);
    void grow(std::size_t bytes);

    // The picture so far, written through a pointer into a buffer that
    // doubles when it runs out, so that a short write costs no call.
    std::unique_ptr<char[]> text_;
    char* at_ = nullptr;
    char* limit_ = nullptr;
    std::vector<std::string> open_;  // the elements begun and not yet ended
    bool finished_ = false;
};

// Path data: moves, lines and arcs in user units, each number printed as
// SvgWriter::number prints it.
class SvgPath {
public:
    SvgPath& moveTo(double x, double y);
    SvgPath& lineTo(double x, double y);
    // An arc of the given radius to (x, y); `sweep` true turns clockwise on
    // the screen (y down).
    SvgPath& arcTo(double radius, bool largeArc, bool sweep, double x, double y);
    SvgPath& close();
    const std::string& data() const { return data_; }

private:
    SvgPath& point(char command, double x, double y);
    std::string data_;
};

// Rough width of a text in the pictures' sans-serif face, in user units,
// to keep labels apart: generous, so that a label measured as fitting fits.
double estimatedTextWidth(std::string_view text, double fontSize);

}  // namespace csp

namespace csp {

// A fill of diagonal lines, 6 units apart, as a <pattern> of this id,
// written inside the picture's <defs>; its lines take the style sheet's
// class "hatch-line". Bars filled url(#id) stay apart without colour.
void defineHatchPattern(SvgWriter& svg, std::string_view id);

// The step between an axis's ticks: 1, 2 or 5 times a power of ten, giving
// at most `mostTicks` steps over `range`.
double niceTickStep(double range, int mostTicks);

// A text cut at blanks into lines of at most `width` characters (a longer
// word stands on its own line); runs of blanks count as one.
std::vector<std::string> wrappedLines(std::string_view text, std::size_t width);

}  // namespace csp

namespace csp {

// A picture's lines as a saved report's lines: each with CR LF.
bool writePictureLines(std::string_view picture, SavedLines& lines);
// The bytes writePictureFile writes.
std::string savedPicture(std::string_view picture);
// Saves a picture as writeListingFile saves a report, with its messages.
Outcome writePictureFile(std::string_view picture, const std::string& path);

}  // namespace csp
