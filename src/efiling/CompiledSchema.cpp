#include "CompiledSchema.h"

#include "SchemaLookup.h"

#include <valijson/adapters/std_string_adapter.hpp>
#include <valijson/constraints/concrete_constraints.hpp>
#include <valijson/constraints/constraint_visitor.hpp>
#include <valijson/schema.hpp>

#include <algorithm>
#include <map>

using nlohmann::json;
using valijson::Subschema;
namespace vc = valijson::constraints;

bool CompiledSchema::Node::allowsCode(std::string_view value) const
{
    return std::binary_search(codes.begin(), codes.end(), value,
                              [](std::string_view a, std::string_view b) { return a < b; });
}

class SchemaCompiler
{
public:
    SchemaCompiler(CompiledSchema &target, const json &schemaDoc) : m_target(target), m_lookup(schemaDoc) {}

    // The node of a subschema; its schema text (`rule`, references followed) gives the code lists.
    const CompiledSchema::Node *node(const Subschema *subschema, const json *rule);
    bool ok() const { return m_ok; }
    void refuse() { m_ok = false; }

    const json *member(const json *rule, const char *keyword, const std::string &name = {}) const
    {
        if (!rule || !rule->is_object() || !rule->contains(keyword))
            return nullptr;
        const json &at = (*rule)[keyword];
        if (name.empty())
            return m_lookup.resolve(&at);
        return at.is_object() && at.contains(name) ? m_lookup.resolve(&at[name]) : nullptr;
    }

    const SchemaPattern *pattern(const std::string &text)
    {
        try {
            return &m_target.m_patterns.emplace_back(text);
        } catch (const std::regex_error &) {
            return nullptr;
        }
    }

private:
    CompiledSchema &m_target;
    SchemaLookup m_lookup;
    std::map<const Subschema *, const CompiledSchema::Node *> m_done;
    bool m_ok = true;
};

namespace
{

using Node = CompiledSchema::Node;

int addMember(Node &n, const std::string &name, const Node *rule)
{
    if (const int at = n.memberIndex(name); at >= 0) {
        if (rule)
            n.memberRules[size_t(at)] = rule;
        return at;
    }
    n.names.push_back(name);
    n.memberRules.push_back(rule);
    // The index holds views of the names: rebuilt whenever a name moves.
    n.index.clear();
    for (size_t i = 0; i < n.names.size(); ++i)
        n.index.emplace(n.names[i], int(i));
    return int(n.names.size() - 1);
}

// Reads one subschema's constraints into its node; any constraint not listed here refuses.
class NodeReader : public vc::ConstraintVisitor
{
public:
    NodeReader(SchemaCompiler &compiler, Node &node, const json *rule)
        : m_compiler(compiler), m_node(node), m_rule(rule)
    {
    }

    bool visit(const TypeConstraint &c) override
    {
        uint8_t kinds = 0;
        c.applyToNamedTypes([&kinds](vc::TypeConstraint::JsonType t) {
            switch (t) {
            case vc::TypeConstraint::kAny:
                kinds |= CompiledSchema::AnyKind;
                break;
            case vc::TypeConstraint::kArray:
                kinds |= CompiledSchema::Array;
                break;
            case vc::TypeConstraint::kBoolean:
                kinds |= CompiledSchema::Boolean;
                break;
            case vc::TypeConstraint::kInteger:
                kinds |= CompiledSchema::Integer;
                break;
            case vc::TypeConstraint::kNull:
                kinds |= CompiledSchema::Null;
                break;
            case vc::TypeConstraint::kNumber:
                kinds |= CompiledSchema::Integer | CompiledSchema::Float;
                break;
            case vc::TypeConstraint::kObject:
                kinds |= CompiledSchema::Object;
                break;
            case vc::TypeConstraint::kString:
                kinds |= CompiledSchema::String;
                break;
            }
            return true;
        });
        c.applyToSchemaTypes([this](unsigned, const Subschema *) { return refuse(); });
        m_node.kinds &= kinds;
        return true;
    }

    bool visit(const PropertiesConstraint &c) override
    {
        c.applyToPatternProperties([this](const auto &, const Subschema *) { return refuse(); });
        c.applyToProperties([this](const auto &name, const Subschema *sub) {
            const std::string n(name.c_str());
            addMember(m_node, n, m_compiler.node(sub, m_compiler.member(m_rule, "properties", n)));
            return true;
        });
        if (const Subschema *others = c.getAdditionalPropertiesSubschema())
            m_node.others = m_compiler.node(others, m_compiler.member(m_rule, "additionalProperties"));
        else
            m_node.othersAllowed = false;
        return true;
    }

    bool visit(const RequiredConstraint &c) override
    {
        c.applyToRequiredProperties([this](const auto &name) {
            m_node.required.push_back(addMember(m_node, std::string(name.c_str()), nullptr));
            return true;
        });
        return true;
    }

    bool visit(const SingularItemsConstraint &c) override
    {
        if (const Subschema *items = c.getItemsSubschema())
            m_node.items = m_compiler.node(items, m_compiler.member(m_rule, "items"));
        return true;
    }

    bool visit(const MinItemsConstraint &c) override
    {
        m_node.minItems = std::max(m_node.minItems, c.getMinItems());
        return true;
    }
    bool visit(const MaxItemsConstraint &c) override
    {
        m_node.maxItems = std::min(m_node.maxItems, c.getMaxItems());
        return true;
    }
    bool visit(const MinLengthConstraint &c) override
    {
        m_node.minLength = std::max(m_node.minLength, c.getMinLength());
        return true;
    }
    bool visit(const MaxLengthConstraint &c) override
    {
        m_node.maxLength = std::min(m_node.maxLength, c.getMaxLength());
        return true;
    }

    bool visit(const MinimumConstraint &c) override
    {
        if (m_node.minimum)
            return refuse();
        m_node.minimum = c.getMinimum();
        m_node.exclusiveMinimum = c.getExclusiveMinimum();
        return true;
    }
    bool visit(const MaximumConstraint &c) override
    {
        if (m_node.maximum)
            return refuse();
        m_node.maximum = c.getMaximum();
        m_node.exclusiveMaximum = c.getExclusiveMaximum();
        return true;
    }

    bool visit(const PatternConstraint &c) override
    {
        const SchemaPattern *p = m_compiler.pattern(c.getPattern<std::string::allocator_type>());
        if (!p)
            return refuse();
        m_node.patterns.push_back(p);
        return true;
    }

    // The list is read from the schema's text and must be exactly the values valijson holds:
    // strings only, each one of them.
    bool visit(const EnumConstraint &c) override
    {
        const json *list = m_compiler.member(m_rule, "enum");
        if (m_node.listed || !list || !list->is_array())
            return refuse();
        size_t values = 0;
        bool each = true;
        c.applyToValues([&](const valijson::adapters::FrozenValue &v) {
            ++values;
            const bool found = std::any_of(list->begin(), list->end(), [&v](const json &code) {
                return code.is_string() &&
                       v.equalTo(valijson::adapters::StdStringAdapter(code.get_ref<const std::string &>()),
                                 true);
            });
            each = each && found;
            return true;
        });
        if (!each || values != list->size())
            return refuse();
        for (const json &code : *list)
            m_node.codes.push_back(code.get<std::string>());
        std::sort(m_node.codes.begin(), m_node.codes.end());
        m_node.listed = true;
        return true;
    }

    bool visit(const AllOfConstraint &) override { return refuse(); }
    bool visit(const AnyOfConstraint &) override { return refuse(); }
    bool visit(const ConditionalConstraint &) override { return refuse(); }
    bool visit(const ConstConstraint &) override { return refuse(); }
    bool visit(const ContainsConstraint &) override { return refuse(); }
    bool visit(const DependenciesConstraint &) override { return refuse(); }
    bool visit(const FormatConstraint &) override { return refuse(); }
    bool visit(const LinearItemsConstraint &) override { return refuse(); }
    bool visit(const MaxPropertiesConstraint &) override { return refuse(); }
    bool visit(const MinPropertiesConstraint &) override { return refuse(); }
    bool visit(const MultipleOfDoubleConstraint &) override { return refuse(); }
    bool visit(const MultipleOfIntConstraint &) override { return refuse(); }
    bool visit(const NotConstraint &) override { return refuse(); }
    bool visit(const OneOfConstraint &) override { return refuse(); }
    bool visit(const PolyConstraint &) override { return refuse(); }
    bool visit(const PropertyNamesConstraint &) override { return refuse(); }
    bool visit(const UniqueItemsConstraint &) override { return refuse(); }

private:
    bool refuse()
    {
        m_compiler.refuse();
        return false;
    }

    SchemaCompiler &m_compiler;
    Node &m_node;
    const json *m_rule;
};

} // namespace

const CompiledSchema::Node *SchemaCompiler::node(const Subschema *subschema, const json *rule)
{
    if (const auto it = m_done.find(subschema); it != m_done.end())
        return it->second;
    Node &n = m_target.m_nodes.emplace_back();
    m_done.emplace(subschema, &n);
    if (subschema->getAlwaysInvalid()) {
        refuse();
        return &n;
    }
    NodeReader reader(*this, n, rule);
    Subschema::ApplyFunction read = [&reader](const vc::Constraint &c) { return c.accept(reader); };
    subschema->apply(read);
    return &n;
}

std::unique_ptr<CompiledSchema> CompiledSchema::compile(const valijson::Schema &schema, const json &schemaDoc)
{
    auto compiled = std::make_unique<CompiledSchema>();
    SchemaCompiler compiler(*compiled, schemaDoc);
    compiled->m_root = compiler.node(&schema, SchemaLookup(schemaDoc).resolve(&schemaDoc));
    if (!compiler.ok())
        return nullptr;
    return compiled;
}
