#include "CommandLine.h"

CommandLine CommandLine::parse(const QStringList &args, const QStringList &flags)
{
    CommandLine line;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a.startsWith(QLatin1String("--"))) {
            const qsizetype eq = a.indexOf(u'=');
            if (eq > 0) {
                line.options.insert(a.left(eq), a.mid(eq + 1));
            } else if (flags.contains(a) || i + 1 >= args.size()) {
                line.options.insert(a, QString());
            } else {
                line.options.insert(a, args.at(++i));
            }
        } else if (line.command.isEmpty()) {
            line.command = a;
        } else {
            line.arguments << a;
        }
    }
    return line;
}
