#include "pathutil/path_helpers.h"

#include "strutil/characters.h"

namespace pickpath {
namespace {

// Components at these leading positions are kept even when empty, so that a
// UNC prefix ("\\server") or a leading separator survives normalisation.
constexpr std::size_t kKeptLeadingComponents = 2;

// Follows the quote-aware split of a text on one delimiter, one character at a
// time. A piece that begins with a quote (' or ") is not cut before the next
// same quote, or at all when none follows. A double-byte character is given by
// its lead byte, which is never a delimiter or a quote.
class Cuts {
public:
    explicit Cuts(char delimiter) : delimiter_(delimiter) {}

    // Takes the next character; true when it is a delimiter that cuts.
    bool next(char c) {
        if (quote_ != '\0') {
            if (c == quote_) quote_ = '\0';
            return false;
        }
        if (c == delimiter_) {
            atPieceStart_ = true;
            return true;
        }
        if (atPieceStart_ && (c == '\'' || c == '"')) quote_ = c;
        atPieceStart_ = false;
        return false;
    }

    // Takes a character that is neither a separator nor a quote: it never cuts.
    void other() { atPieceStart_ = false; }

    // Whether a delimiter coming next would cut.
    bool delimiterWouldCut() const { return quote_ == '\0'; }

private:
    char delimiter_;
    bool atPieceStart_ = true;
    char quote_ = '\0';  // the quote that protects the current piece, if any
};

// Writes the components of a text cut at its backslashes, joined by
// `separator`: the first two always, later ones only when not empty.
class Components {
public:
    Components(char separator, std::string& out) : separator_(separator), out_(out) {}

    // Takes the next character, of `length` bytes at `bytes`.
    void add(const char* bytes, std::size_t length) {
        if (cuts_.next(bytes[0])) {
            if (empty_ && index_ > 0 && index_ < kKeptLeadingComponents) out_ += separator_;
            ++index_;
            empty_ = true;
            return;
        }
        write(bytes, length);
    }

    // As add, for a character that is neither a separator nor a quote.
    void addOther(const char* bytes, std::size_t length) {
        cuts_.other();
        write(bytes, length);
    }

private:
    void write(const char* bytes, std::size_t length) {
        if (empty_ && index_ > 0) out_ += separator_;
        empty_ = false;
        out_ += bytes[0];
        if (length > 1) out_ += bytes[1];
    }

    char separator_;
    std::string& out_;
    Cuts cuts_{kBackslash};
    std::size_t index_ = 0;  // of the component being read
    bool empty_ = true;      // it has no character yet
};

}  // namespace

// One pass over the characters does what splitting on '\' and joining with
// '\', then splitting on '/' and joining with '\', then splitting on '\' and
// joining the kept components would do: each split drops one cutting delimiter
// at the very end, the '/' one turns cutting slashes into backslashes, and the
// last one keeps its components as Components does.
std::string normalizeSeparators(const std::string& path, char separator) {
    const std::string text = path.c_str();
    std::string result;
    result.reserve(text.size());
    Cuts backslashCuts(kBackslash);
    Cuts slashCuts(kSlash);
    Components components(separator, result);
    for (std::size_t i = 0, length = 0; i < text.size(); i += length) {
        length = characterLength(text, i);
        const char c = text[i];
        if (c != kBackslash && c != kSlash && c != '\'' && c != '"') {
            backslashCuts.other();
            slashCuts.other();
            components.addOther(&text[i], length);
            continue;
        }
        const bool backslashCut = backslashCuts.next(c);
        const bool slashCut = slashCuts.next(c);
        const std::size_t rest = text.size() - i - length;
        if (rest <= 1 && (backslashCut || slashCut)) {
            // The last character, or the one before a last backslash that goes.
            if (rest == 0 && backslashCut) continue;
            const bool backslashGoes = rest == 1 && text.back() == kBackslash &&
                                       backslashCuts.delimiterWouldCut();
            if ((rest == 0 || backslashGoes) && slashCut) continue;
        }
        components.add(slashCut ? &kBackslash : &text[i], length);
    }
    return result;
}

std::string parentDirectory(const std::string& path) {
    return parentDirectory(path.c_str());
}

std::string parentDirectory(const char* path) {
    const std::string text = path;
    std::size_t lastBackslash = npos;
    std::size_t lastSlash = npos;
    for (std::size_t i = 0; i < text.size(); i += characterLength(text, i)) {
        if (text[i] == kBackslash) lastBackslash = i;
        if (text[i] == kSlash) lastSlash = i;
    }
    const std::size_t cut = lastBackslash != npos ? lastBackslash : lastSlash;
    if (cut == npos) return std::string(1, kBackslash);
    return text.substr(0, cut);
}

std::size_t findChar(const std::string& text, char character, std::size_t start) {
    for (std::size_t i = start, length = 0; i < text.size() && text[i] != '\0'; i += length) {
        length = characterLength(text, i);
        if (length == 1 && text[i] == character) return i;
    }
    return npos;
}

}  // namespace pickpath
