// The preference file: one key a line, `"prefix" "key" type value`, '#' comments and blank lines ignored.
// Prefixes, keys and string values are quoted with \\ \" \n \r \t and \xHH escapes; UTF-8 stays as it is.
// Reals are written in the shortest form that reads back bit-exact.
#include <charconv>
#include <cstring>
#include <system_error>

#include "simhost/PreferenceStore.h"

namespace sim {

namespace {

constexpr char kFileHeader[] = "# Tavorine host preferences: \"prefix\" \"key\" type value\n";

std::string Quote(const std::string& text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string quoted = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '\\':
            quoted += "\\\\";
            break;
        case '"':
            quoted += "\\\"";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7f) {
                quoted += "\\x";
                quoted += kHex[c >> 4];
                quoted += kHex[c & 0xf];
            } else {
                quoted += static_cast<char>(c);
            }
        }
    }
    return quoted + "\"";
}

// Reads one line of the file; every Read* answers false with `error` set to what was expected.
class LineReader {
  public:
    explicit LineReader(const std::string& line) : line_(line) {}

    bool Quoted(std::string* out, const char* what) {
        SkipBlanks();
        if (pos_ >= line_.size() || line_[pos_] != '"')
            return Fail(std::string("expected a quoted ") + what);
        ++pos_;
        out->clear();
        while (pos_ < line_.size() && line_[pos_] != '"') {
            char c = line_[pos_++];
            if (c != '\\') {
                *out += c;
                continue;
            }
            if (!Escape(out))
                return false;
        }
        if (pos_ >= line_.size())
            return Fail(std::string("unterminated quoted ") + what);
        ++pos_;
        return true;
    }

    bool Word(std::string* out, const char* what) {
        SkipBlanks();
        const size_t start = pos_;
        while (pos_ < line_.size() && line_[pos_] != ' ' && line_[pos_] != '\t')
            ++pos_;
        *out = line_.substr(start, pos_ - start);
        return out->empty() ? Fail(std::string("expected ") + what) : true;
    }

    bool End() {
        SkipBlanks();
        return pos_ == line_.size() ? true : Fail("unexpected text after the value");
    }

    const std::string& Error() const { return error_; }

  private:
    void SkipBlanks() {
        while (pos_ < line_.size() && (line_[pos_] == ' ' || line_[pos_] == '\t'))
            ++pos_;
    }

    bool Fail(const std::string& error) {
        error_ = error;
        return false;
    }

    bool Escape(std::string* out) {
        if (pos_ >= line_.size())
            return Fail("unterminated escape");
        const char c = line_[pos_++];
        switch (c) {
        case '\\':
            *out += '\\';
            return true;
        case '"':
            *out += '"';
            return true;
        case 'n':
            *out += '\n';
            return true;
        case 'r':
            *out += '\r';
            return true;
        case 't':
            *out += '\t';
            return true;
        case 'x':
            return HexEscape(out);
        default:
            return Fail(std::string("unknown escape \\") + c);
        }
    }

    bool HexEscape(std::string* out) {
        unsigned value = 0;
        if (pos_ + 2 > line_.size())
            return Fail("expected two hexadecimal digits after \\x");
        auto [end, ec] = std::from_chars(line_.data() + pos_, line_.data() + pos_ + 2, value, 16);
        if (ec != std::errc() || end != line_.data() + pos_ + 2) {
            return Fail("expected two hexadecimal digits after \\x");
        }
        pos_ += 2;
        *out += static_cast<char>(value);
        return true;
    }

    const std::string& line_;
    size_t pos_ = 0;
    std::string error_;
};

bool Refuse(std::string* error, const std::string& what) {
    *error = what;
    return false;
}

bool ParseValue(const std::string& type, const std::string& word, PrefValue* value, std::string* error) {
    if (type == "bool") {
        if (word != "true" && word != "false")
            return Refuse(error, "expected true or false");
        *value = PrefValue::Bool(word == "true");
        return true;
    }
    if (type == "int") {
        int32_t number = 0;
        auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), number);
        if (ec != std::errc() || end != word.data() + word.size()) {
            return Refuse(error, "expected a 32-bit integer");
        }
        *value = PrefValue::Int(number);
        return true;
    }
    double number = 0.0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), number);
    if (ec != std::errc() || end != word.data() + word.size())
        return Refuse(error, "expected a real number");
    *value = PrefValue::Real(number);
    return true;
}

bool ParseLine(const std::string& line, PreferenceStore::Key* key, PrefValue* value, std::string* error) {
    LineReader reader(line);
    std::string type;
    if (!reader.Quoted(&key->first, "prefix") || !reader.Quoted(&key->second, "key") ||
        !reader.Word(&type, "a type (bool, int, real or string)")) {
        *error = reader.Error();
        return false;
    }
    if (type == "string") {
        std::string text;
        if (!reader.Quoted(&text, "string"))
            return Refuse(error, reader.Error());
        *value = PrefValue::String(text);
    } else if (type == "bool" || type == "int" || type == "real") {
        std::string word;
        if (!reader.Word(&word, "a value"))
            return Refuse(error, reader.Error());
        if (!ParseValue(type, word, value, error))
            return false;
    } else {
        *error = "expected a type (bool, int, real or string)";
        return false;
    }
    if (!reader.End())
        return Refuse(error, reader.Error());
    return true;
}

} // namespace

std::string PreferenceStore::Serialize() const {
    std::string text = kFileHeader;
    for (const auto& [key, value] : values_) {
        text += Quote(key.first) + " " + Quote(key.second) + " " + PrefTypeName(value.type) + " ";
        text += value.type == PrefType::String ? Quote(value.stringValue) : value.Text();
        text += "\n";
    }
    return text;
}

PrefLoadOutcome PreferenceStore::Parse(const std::string& text, std::map<Key, PrefValue>* values) {
    size_t start = 0;
    int lineNumber = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#')
            continue;
        Key key;
        PrefValue value;
        std::string error;
        if (!ParseLine(line, &key, &value, &error)) {
            return {PrefLoadResult::Corrupt, "line " + std::to_string(lineNumber) + ": " + error};
        }
        (*values)[key] = value;
    }
    return {PrefLoadResult::Loaded, std::string()};
}

} // namespace sim
