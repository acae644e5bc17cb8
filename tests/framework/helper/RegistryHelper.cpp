// A second program on the same settings store, for the tests that need another process.
//   registry_helper read <key> <name>             prints the string value
//   registry_helper write <key> <name> <value>    writes a string value
//   registry_helper fill <key> <prefix> <count>   writes the integers <prefix>0 .. <prefix><count - 1>
//   registry_helper batch <key> <prefix> <count>  the same in one update, which ends once a line comes on the
//                                                 standard input; "written" on the standard output says they wait
#include "registry/Registry.h"
#include "registry/RegistryStore.h"
#include "rtl/Exceptions.h"

#include <QString>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc < 4)
        return 1;
    const QString command = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    try {
        TRegistry registry;
        if (!registry.OpenKey(QString::fromLocal8Bit(argv[2]), command != "read"))
            return 2;
        if (command == "read")
            std::fputs(registry.ReadString(name).toUtf8().constData(), stdout);
        else if (command == "write" && argc == 5)
            registry.WriteString(name, QString::fromLocal8Bit(argv[4]));
        else if (command == "fill" && argc == 5)
            for (int i = 0, count = std::atoi(argv[4]); i < count; ++i)
                registry.WriteInteger(name + QString::number(i), i);
        else if (command == "batch" && argc == 5) {
            TRegistryUpdate update;
            for (int i = 0, count = std::atoi(argv[4]); i < count; ++i)
                registry.WriteInteger(name + QString::number(i), i);
            std::puts("written");
            std::fflush(stdout);
            char line[16];
            if (!std::fgets(line, sizeof line, stdin))
                return 1;
        } else
            return 1;
    } catch (const Exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 3;
    }
    return 0;
}
