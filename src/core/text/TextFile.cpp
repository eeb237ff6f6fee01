#include "core/text/TextFile.h"

namespace vantry {

std::vector<std::string> SplitTextLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto cr = bytes.find('\r', start);
        if (cr == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        lines.emplace_back(bytes.substr(start, cr - start));
        start = cr + 1;
        if (start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return lines;
}

std::string JoinTextLines(const std::vector<std::string>& lines) {
    if (lines.empty())
        return "\r\n";
    std::string out;
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    out.reserve(size);
    for (const auto& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string DocumentText(std::string_view bytes) {
    const auto lines = SplitTextLines(bytes);
    std::string text;
    text.reserve(bytes.size() + lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
// Whether it holds anything beyond ASCII is told apart.
enum class Utf8Kind { Invalid, Ascii, NonAscii };

Utf8Kind ClassifyUtf8(std::string_view bytes) {
    Utf8Kind kind = Utf8Kind::Ascii;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        kind = Utf8Kind::NonAscii;
        std::size_t length;
        unsigned char low = 0x80, high = 0xBF;  // the second byte's range
        if (b >= 0xC2 && b <= 0xDF)
            length = 2;
        else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            if (b == 0xE0)
                low = 0xA0;
            else if (b == 0xED)
                high = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            if (b == 0xF0)
                low = 0x90;
            else if (b == 0xF4)
                high = 0x8F;
        } else
            return Utf8Kind::Invalid;
        if (i + length > bytes.size())
            return Utf8Kind::Invalid;
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF))
                return Utf8Kind::Invalid;
        }
        i += length;
    }
    return kind;
}

}  // namespace

std::optional<FileText> DecodeFileText(FileSystem& fs, std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos || bytes.starts_with("\xFF\xFE") ||
        bytes.starts_with("\xFE\xFF"))
        return std::nullopt;
    if (bytes.starts_with(Utf8Mark)) {
        const std::string_view rest = bytes.substr(Utf8Mark.size());
        if (ClassifyUtf8(rest) != Utf8Kind::Invalid)
            return FileText{std::string(rest), FileEncoding::Utf8WithMark};
    } else if (const Utf8Kind kind = ClassifyUtf8(bytes); kind == Utf8Kind::NonAscii) {
        return FileText{std::string(bytes), FileEncoding::Utf8};
    } else if (kind == Utf8Kind::Ascii) {
        // Every ANSI code page holds ASCII as it is: nothing to convert.
        return FileText{std::string(bytes), FileEncoding::Ansi};
    }
    auto text = fs.decodeAnsi(bytes);
    if (!text)
        return std::nullopt;
    return FileText{std::move(*text), FileEncoding::Ansi};
}

std::optional<std::string> EncodeFileText(FileSystem& fs, std::string_view text, FileEncoding encoding) {
    switch (encoding) {
    case FileEncoding::Utf8:
        return std::string(text);
    case FileEncoding::Utf8WithMark:
        return std::string(Utf8Mark) + std::string(text);
    case FileEncoding::Ansi:
        break;
    }
    if (ClassifyUtf8(text) == Utf8Kind::Ascii)
        return std::string(text);
    return fs.encodeAnsi(text);
}

std::optional<std::vector<std::string>> ReadTextLines(FileSystem& fs, const std::string& path) {
    const auto bytes = fs.readFile(path);
    const auto file = bytes ? DecodeFileText(fs, *bytes) : std::nullopt;
    if (!file)
        return std::nullopt;
    return SplitTextLines(file->text);
}

bool WriteTextLines(FileSystem& fs, const std::string& path, const std::vector<std::string>& lines) {
    const std::string text = JoinTextLines(lines);
    if (const auto ansi = EncodeFileText(fs, text, FileEncoding::Ansi))
        return fs.writeFile(path, *ansi);
    // Text that itself begins with U+FEFF would be read back as a byte-order
    // mark and lose it: a mark of its own keeps it.
    return fs.writeFile(path, text.starts_with(Utf8Mark) ? std::string(Utf8Mark) + text : text);
}

}  // namespace vantry
