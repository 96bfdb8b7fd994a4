#include <chrono>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/profile_file.h"

// Random files and random reads and writes, checked against a model that states the rules
// over plain strings, re-reading the whole text for every operation.
namespace {

using Text = std::string;

struct ModelLine
{
    Text body;
    Text end;
};

bool blank(char c)
{
    return c == ' ' || c == '\t';
}

Text trim(const Text &t)
{
    size_t a = 0;
    size_t b = t.size();
    while (a < b && blank(t[a]))
        ++a;
    while (b > a && blank(t[b - 1]))
        --b;
    return t.substr(a, b - a);
}

Text lower(Text t)
{
    for (char &c : t)
        c = (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
    return t;
}

bool isQuotedValue(const Text &v)
{
    return v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front();
}

size_t indent(const Text &body)
{
    size_t i = 0;
    while (i < body.size() && blank(body[i]))
        ++i;
    return i;
}

std::optional<Text> headerName(const Text &body)
{
    const Text t = body.substr(indent(body));
    if (t.empty() || t[0] != '[' || t.find(']') == Text::npos)
        return std::nullopt;
    return lower(trim(t.substr(1, t.find(']') - 1)));
}

// The key's folded name and the offset just after its '='.
std::optional<std::pair<Text, size_t>> keyOf(const Text &body)
{
    const size_t i = indent(body);
    if (headerName(body) || i == body.size() || body[i] == ';' || body.find('=') == Text::npos)
        return std::nullopt;
    const size_t eq = body.find('=', i);
    return std::make_pair(lower(trim(body.substr(i, eq - i))), eq + 1);
}

struct Model
{
    Text bom;
    std::vector<ModelLine> lines;

    explicit Model(const Text &file)
    {
        Text rest = file;
        if (rest.rfind("\xEF\xBB\xBF", 0) == 0) {
            bom = rest.substr(0, 3);
            rest = rest.substr(3);
        }
        while (!rest.empty()) {
            const size_t stop = rest.find_first_of("\r\n");
            Text end;
            for (const Text candidate : { "\n", "\r\n", "\r\r\n", "\r" }) {
                if (stop != Text::npos && end.empty()
                        && rest.compare(stop, candidate.size(), candidate) == 0)
                    end = candidate;
            }
            lines.push_back({ rest.substr(0, stop), end });
            rest = stop == Text::npos ? "" : rest.substr(stop + end.size());
        }
    }

    Text bytes() const
    {
        Text out = bom;
        for (const auto &l : lines)
            out += l.body + l.end;
        return out;
    }

    // First header with the name, and the index after its last line.
    std::pair<long, long> section(const Text &name) const
    {
        long start = -1;
        for (long i = 0; i < long(lines.size()); ++i) {
            const auto h = headerName(lines[size_t(i)].body);
            if (start >= 0 && h)
                return { start, i };
            if (start < 0 && h == lower(name))
                start = i;
        }
        return { start, long(lines.size()) };
    }

    long key(long start, long stop, const Text &name) const
    {
        for (long i = start + 1; i < stop; ++i) {
            const auto k = keyOf(lines[size_t(i)].body);
            if (k && k->first == lower(name))
                return i;
        }
        return -1;
    }

    std::optional<Text> read(const Text &s, const Text &k) const
    {
        const auto [start, stop] = section(s);
        const long i = start < 0 ? -1 : key(start, stop, k);
        if (i < 0)
            return std::nullopt;
        const Text &body = lines[size_t(i)].body;
        Text v = trim(body.substr(keyOf(body)->second));
        if (isQuotedValue(v))
            v = v.substr(1, v.size() - 2);
        return v;
    }

    Text newline() const
    {
        for (const auto &l : lines) {
            if (!l.end.empty())
                return l.end;
        }
        return "\n";
    }

    // The file's line end, unless reading it back would join it with the next line's end;
    // then the next line's own.
    Text endBefore(long at) const
    {
        Text nl = newline();
        if (at >= long(lines.size()))
            return nl;
        const ModelLine &next = lines[size_t(at)];
        return Model("x" + nl + next.body + next.end).lines.size() == 2 ? nl : next.end;
    }

    void insert(long at, const Text &body)
    {
        const Text nl = newline();
        if (at > 0 && lines[size_t(at - 1)].end.empty())
            lines[size_t(at - 1)].end = nl;
        lines.insert(lines.begin() + at, { body, endBefore(at) });
    }

    void write(const Text &s, const Text &k, const Text &v)
    {
        const bool quote = !v.empty() && (blank(v.front()) || blank(v.back()) || isQuotedValue(v));
        const Text stored = quote ? '"' + v + '"' : v;
        const auto [start, stop] = section(s);
        if (start < 0) {
            insert(long(lines.size()), '[' + s + ']');
            insert(long(lines.size()), k + '=' + stored);
            return;
        }
        const long i = key(start, stop, k);
        if (i >= 0) {
            Text &body = lines[size_t(i)].body;
            size_t from = keyOf(body)->second;
            while (from < body.size() && blank(body[from]))
                ++from;
            body = body.substr(0, from) + stored;
            return;
        }
        long last = start;
        for (long j = start + 1; j < stop; ++j) {
            if (keyOf(lines[size_t(j)].body))
                last = j;
        }
        insert(last + 1, k + '=' + stored);
    }
};

template <typename T>
const T &pick(std::mt19937 &rng, const std::vector<T> &from)
{
    return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(rng)];
}

Text randomFile(std::mt19937 &rng)
{
    static const std::vector<Text> pieces = { "[A]", "[a]", " [ B ] ", "[b", "[A] ; c", "[]",
        "[A]]", "[C", "k=1", "K = 2", " k\t=\t\"3\" ", "j=", "=x", "k", "x=y=z", ";k=9",
        "\tj = \" \" ", "", " ", "junk", Text("\0\xFF", 2), "\r", "[", "=", "\xC3\xA9=\xC3\xA9",
        "k='1'" };
    static const std::vector<Text> ends = { "\n", "\r\n", "\n", "", "\r", "\r\r\n" };
    Text file = std::uniform_int_distribution<int>(0, 5)(rng) == 0 ? "\xEF\xBB\xBF" : "";
    const int count = std::uniform_int_distribution<int>(0, 12)(rng);
    for (int i = 0; i < count; ++i)
        file += pick(rng, pieces) + pick(rng, ends);
    return file;
}

using namespace Qt::StringLiterals;

QString q(const Text &t)
{
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

} // namespace

TEST(ProfileFuzz, AgreesWithTheModel)
{
    static const std::vector<Text> sections = { "A", "a", "B", "b", "C" };
    static const std::vector<Text> keys = { "k", "K", "j", "x" };
    static const std::vector<Text> values = { "1", "", " v ", "\"q\"", "a=b", "\xC3\xA9", "0x14",
        "'s'", "'" };
    std::mt19937 rng(20261208);
    const auto stop = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    const QString none = u"<none>"_s;
    long runs = 0;
    for (; std::chrono::steady_clock::now() < stop && !HasFailure(); ++runs) {
        const Text original = randomFile(rng);
        Model model(original);
        lw::platform::ProfileFile file(QByteArray::fromStdString(original));
        SCOPED_TRACE("run " + std::to_string(runs) + ", file: " + testing::PrintToString(original));
        ASSERT_EQ(file.toBytes().toStdString(), model.bytes());
        for (int op = 0; op < 8; ++op) {
            const Text &s = pick(rng, sections);
            const Text &k = pick(rng, keys);
            if (rng() % 2) {
                const auto expected = model.read(s, k);
                EXPECT_EQ(file.readString(q(s), q(k), none), expected ? q(*expected) : none);
                continue;
            }
            const Text &v = pick(rng, values);
            ASSERT_TRUE(file.writeString(q(s), q(k), q(v)));
            model.write(s, k, v);
            ASSERT_EQ(file.toBytes().toStdString(), model.bytes()) << s << '/' << k << '=' << v;
        }
    }
    RecordProperty("runs", std::to_string(runs));
    EXPECT_GT(runs, 100);
}
