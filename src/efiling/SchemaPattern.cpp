#include "SchemaPattern.h"

#include <algorithm>
#include <bitset>
#include <cctype>
#include <map>
#include <optional>
#include <tuple>

namespace
{

using ByteSet = std::bitset<256>;

// The pattern as a tree: what a match must pass through.
struct Node {
    enum Kind { Bytes, Begin, End, Sequence, Either, Repeat };
    explicit Node(Kind k) : kind(k) {}
    Kind kind;
    ByteSet bytes;
    std::vector<Node> parts;
    int min = 1;
    int max = 1; // -1: without limit
};

constexpr int kMaxRepeat = 1000;

// Reads the part of the ECMAScript grammar the schemas use; nullopt for anything else.
class Parser
{
public:
    explicit Parser(const std::string &text) : m_text(text) {}

    std::optional<Node> parse()
    {
        std::optional<Node> n = alternatives();
        if (!n || m_at != m_text.size())
            return std::nullopt;
        return n;
    }

private:
    bool more() const { return m_at < m_text.size(); }
    char peek() const { return m_text[m_at]; }

    std::optional<Node> alternatives()
    {
        Node either{Node::Either};
        for (;;) {
            std::optional<Node> seq = sequence();
            if (!seq)
                return std::nullopt;
            either.parts.push_back(std::move(*seq));
            if (!more() || peek() != '|')
                break;
            ++m_at;
        }
        if (either.parts.size() == 1)
            return std::move(either.parts.front());
        return either;
    }

    std::optional<Node> sequence()
    {
        Node seq{Node::Sequence};
        while (more() && peek() != '|' && peek() != ')') {
            std::optional<Node> a = atom();
            if (!a)
                return std::nullopt;
            if (more() && std::string_view("*+?{").find(peek()) != std::string_view::npos) {
                if (a->kind == Node::Begin || a->kind == Node::End || !quantify(*a))
                    return std::nullopt;
            }
            seq.parts.push_back(std::move(*a));
        }
        return seq;
    }

    // Wraps the atom in its repetition; false for a form left to std::regex.
    bool quantify(Node &atom)
    {
        int min = 0;
        int max = -1;
        const char q = m_text[m_at++];
        if (q == '+') {
            min = 1;
        } else if (q == '?') {
            max = 1;
        } else if (q == '{') {
            const std::optional<int> from = number();
            if (!from || !more())
                return false;
            min = *from;
            max = *from;
            if (peek() == ',') {
                ++m_at;
                max = -1;
                if (more() && peek() != '}') {
                    const std::optional<int> to = number();
                    if (!to || *to < min)
                        return false;
                    max = *to;
                }
            }
            if (!more() || peek() != '}')
                return false;
            ++m_at;
        }
        // A lazy or doubled quantifier.
        if (more() && std::string_view("*+?{").find(peek()) != std::string_view::npos)
            return false;
        Node repeat{Node::Repeat};
        repeat.min = min;
        repeat.max = max;
        repeat.parts.push_back(std::move(atom));
        atom = std::move(repeat);
        return true;
    }

    std::optional<int> number()
    {
        int value = 0;
        const size_t start = m_at;
        while (more() && std::isdigit(static_cast<unsigned char>(peek())) && value <= kMaxRepeat)
            value = value * 10 + (m_text[m_at++] - '0');
        if (m_at == start || value > kMaxRepeat)
            return std::nullopt;
        return value;
    }

    static Node bytes(const ByteSet &set)
    {
        Node n{Node::Bytes};
        n.bytes = set;
        return n;
    }

    // The character after a backslash when it stands for itself.
    std::optional<unsigned char> escaped()
    {
        if (!more())
            return std::nullopt;
        const auto c = static_cast<unsigned char>(m_text[m_at++]);
        if (c >= 0x80 || std::isalnum(c))
            return std::nullopt;
        return c;
    }

    std::optional<Node> atom()
    {
        const auto c = static_cast<unsigned char>(m_text[m_at++]);
        switch (c) {
        case '^':
            return Node{Node::Begin};
        case '$':
            return Node{Node::End};
        case '(': {
            if (more() && peek() == '?') {
                if (m_at + 1 >= m_text.size() || m_text[m_at + 1] != ':')
                    return std::nullopt;
                m_at += 2;
            }
            std::optional<Node> inner = alternatives();
            if (!inner || !more() || peek() != ')')
                return std::nullopt;
            ++m_at;
            return inner;
        }
        case '[':
            return characterClass();
        case '\\': {
            const std::optional<unsigned char> e = escaped();
            if (!e)
                return std::nullopt;
            return bytes(ByteSet().set(*e));
        }
        case '.':
        case ')':
        case ']':
        case '}':
        case '*':
        case '+':
        case '?':
        case '{':
            return std::nullopt;
        default:
            return bytes(ByteSet().set(c));
        }
    }

    std::optional<Node> characterClass()
    {
        ByteSet set;
        bool negated = false;
        if (more() && peek() == '^') {
            negated = true;
            ++m_at;
        }
        if (more() && peek() == ']')
            return std::nullopt;
        while (more() && peek() != ']') {
            std::optional<unsigned char> from = member();
            if (!from)
                return std::nullopt;
            unsigned char to = *from;
            if (m_at + 1 < m_text.size() && peek() == '-' && m_text[m_at + 1] != ']') {
                ++m_at;
                const std::optional<unsigned char> end = member();
                if (!end || *end < *from)
                    return std::nullopt;
                to = *end;
            }
            for (unsigned v = *from; v <= to; ++v)
                set.set(v);
        }
        if (!more())
            return std::nullopt;
        ++m_at;
        return bytes(negated ? ~set : set);
    }

    // One ASCII character of a class, as itself or escaped.
    std::optional<unsigned char> member()
    {
        const auto c = static_cast<unsigned char>(m_text[m_at++]);
        if (c == '\\')
            return escaped();
        if (c >= 0x80 || c == '[')
            return std::nullopt;
        return c;
    }

    const std::string &m_text;
    size_t m_at = 0;
};

} // namespace

// The tree as a program of steps: consume a byte of a set, branch, jump, assert, match.
struct SchemaPattern::Program {
    enum Op { Consume, Split, Jump, Begin, End, Match };
    struct Step {
        Op op;
        int to = 0;    // Jump, Split: first branch
        int other = 0; // Split: second branch
        int set = 0;   // Consume: index into sets
    };
    std::vector<Step> steps;
    std::vector<ByteSet> sets;
    static constexpr size_t kMaxSteps = 4096;

    bool emit(const Node &n)
    {
        if (steps.size() > kMaxSteps)
            return false;
        switch (n.kind) {
        case Node::Bytes:
            sets.push_back(n.bytes);
            steps.push_back({Consume, 0, 0, int(sets.size() - 1)});
            return true;
        case Node::Begin:
            steps.push_back({Begin});
            return true;
        case Node::End:
            steps.push_back({End});
            return true;
        case Node::Sequence:
            return std::all_of(n.parts.begin(), n.parts.end(), [this](const Node &p) { return emit(p); });
        case Node::Either: {
            std::vector<size_t> jumps;
            for (size_t i = 0; i < n.parts.size(); ++i) {
                size_t split = 0;
                const bool last = i + 1 == n.parts.size();
                if (!last) {
                    split = steps.size();
                    steps.push_back({Split, int(split + 1)});
                }
                if (!emit(n.parts[i]))
                    return false;
                if (!last) {
                    jumps.push_back(steps.size());
                    steps.push_back({Jump});
                    steps[split].other = int(steps.size());
                }
            }
            for (size_t j : jumps)
                steps[j].to = int(steps.size());
            return true;
        }
        case Node::Repeat: {
            const Node &body = n.parts.front();
            for (int i = 0; i < n.min; ++i) {
                if (!emit(body))
                    return false;
            }
            if (n.max < 0) {
                const size_t loop = steps.size();
                steps.push_back({Split, int(loop + 1)});
                if (!emit(body))
                    return false;
                steps.push_back({Jump, int(loop)});
                steps[loop].other = int(steps.size());
                return true;
            }
            for (int i = n.min; i < n.max; ++i) {
                const size_t split = steps.size();
                steps.push_back({Split, int(split + 1)});
                if (!emit(body))
                    return false;
                steps[split].other = int(steps.size());
            }
            return steps.size() <= kMaxSteps;
        }
        }
        return false;
    }
};

namespace
{

// The steps that consume next, reached without consuming from the seeds; and whether a
// match is reached now, or is reached if the text ends here.
struct Closure {
    std::vector<int> consuming;
    bool acceptNow = false;
    bool acceptAtEnd = false;

    bool operator<(const Closure &o) const
    {
        return std::tie(consuming, acceptNow, acceptAtEnd) <
               std::tie(o.consuming, o.acceptNow, o.acceptAtEnd);
    }
};

Closure closure(const std::vector<int> &seeds, bool atBegin, const std::vector<int> &ops,
                const std::vector<std::pair<int, int>> &branches)
{
    Closure c;
    // Visited per step, before and after an end assertion (from then on the text must end).
    std::vector<uint8_t> seen(ops.size() * 2, 0);
    std::vector<std::pair<int, bool>> stack;
    for (int s : seeds)
        stack.push_back({s, false});
    while (!stack.empty()) {
        const auto [pc, ending] = stack.back();
        stack.pop_back();
        uint8_t &mark = seen[size_t(pc) * 2 + (ending ? 1 : 0)];
        if (mark)
            continue;
        mark = 1;
        switch (ops[size_t(pc)]) {
        case 0: // consume
            if (!ending)
                c.consuming.push_back(pc);
            break;
        case 1: // split
            stack.push_back({branches[size_t(pc)].second, ending});
            stack.push_back({branches[size_t(pc)].first, ending});
            break;
        case 2: // jump
            stack.push_back({branches[size_t(pc)].first, ending});
            break;
        case 3: // begin
            if (atBegin)
                stack.push_back({pc + 1, ending});
            break;
        case 4: // end
            stack.push_back({pc + 1, true});
            break;
        default: // match
            c.acceptAtEnd = true;
            if (!ending)
                c.acceptNow = true;
            break;
        }
    }
    std::sort(c.consuming.begin(), c.consuming.end());
    return c;
}

} // namespace

SchemaPattern::SchemaPattern(const std::string &pattern)
{
    std::optional<Node> tree = Parser(pattern).parse();
    Program program;
    if (!tree || !program.emit(*tree) || !build(program))
        m_fallback = std::make_unique<std::regex>(pattern);
}

bool SchemaPattern::build(const Program &program)
{
    constexpr size_t kMaxStates = 2048;
    std::vector<Program::Step> steps = program.steps;
    steps.push_back({Program::Match});
    std::vector<int> ops;
    std::vector<std::pair<int, int>> branches;
    for (const auto &s : steps) {
        ops.push_back(int(s.op));
        branches.push_back({s.to, s.other});
    }

    // Bytes that every set treats alike share a class.
    std::map<std::vector<bool>, int> classOf;
    for (int b = 0; b < 256; ++b) {
        std::vector<bool> in;
        for (const ByteSet &s : program.sets)
            in.push_back(s.test(size_t(b)));
        const auto [it, added] = classOf.emplace(in, int(classOf.size()));
        m_class[b] = uint8_t(it->second);
    }
    m_classes = int(classOf.size());
    std::vector<int> sample(static_cast<size_t>(m_classes), 0);
    for (int b = 255; b >= 0; --b)
        sample[m_class[b]] = b;

    // A search may start at every place: the first step is sown again after every byte.
    std::map<Closure, int> states;
    std::vector<Closure> pending;
    const auto stateOf = [&](Closure c) {
        const auto [it, added] = states.emplace(c, int(states.size()));
        if (added) {
            pending.push_back(std::move(c));
            m_acceptNow.push_back(it->first.acceptNow);
            m_acceptAtEnd.push_back(it->first.acceptAtEnd);
            m_dead.push_back(it->first.consuming.empty() && !it->first.acceptAtEnd);
        }
        return it->second;
    };
    stateOf(closure({0}, true, ops, branches));
    for (size_t done = 0; done < pending.size(); ++done) {
        if (states.size() > kMaxStates)
            return false;
        const Closure from = pending[done];
        m_next.resize((done + 1) * size_t(m_classes));
        for (int k = 0; k < m_classes; ++k) {
            std::vector<int> seeds{0};
            for (int pc : from.consuming) {
                if (program.sets[size_t(steps[size_t(pc)].set)].test(size_t(sample[size_t(k)])))
                    seeds.push_back(pc + 1);
            }
            m_next[done * size_t(m_classes) + size_t(k)] = stateOf(closure(seeds, false, ops, branches));
        }
    }
    return true;
}

bool SchemaPattern::search(std::string_view text) const
{
    if (m_fallback)
        return std::regex_search(text.begin(), text.end(), *m_fallback);
    int state = 0;
    for (const char c : text) {
        if (m_acceptNow[size_t(state)])
            return true;
        if (m_dead[size_t(state)])
            return false;
        state = m_next[size_t(state) * size_t(m_classes) + m_class[static_cast<unsigned char>(c)]];
    }
    return m_acceptAtEnd[size_t(state)];
}
