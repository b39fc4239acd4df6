// Writes the evaluator's lookup tables as C++ source, so that the program
// starts with them instead of computing them on first use.
//
// Usage: make_evaluator_tables OUTPUT.cpp

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "engine/odds/EvaluatorTableBuilder.h"

namespace {

template <typename T>
void writeArray(std::ofstream& out, const char* type, const char* name, const std::vector<T>& values)
{
    out << "extern const " << type << ' ' << name << '[' << values.size() << "];\n";
    out << "alignas(64) const " << type << ' ' << name << '[' << values.size() << "] = {";
    for (std::size_t i = 0; i < values.size(); ++i)
        out << (i % 16 == 0 ? "\n" : "") << values[i] << ',';
    out << "\n};\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_evaluator_tables OUTPUT.cpp\n");
        return 2;
    }
    const engine::odds::BuiltEvaluatorTables t = engine::odds::buildEvaluatorTables();
    // Written beside the target and moved into place, so that a failed run
    // leaves no half-written source behind.
    const std::string target = argv[1];
    const std::string partial = target + ".partial";
    {
        std::ofstream out(partial);
        out << "// Written by make_evaluator_tables; do not edit.\n#include <cstdint>\n\n"
               "namespace engine::odds {\n\n";
        out << "extern const std::uint64_t kEvaluatorMultiplier;\n";
        out << "const std::uint64_t kEvaluatorMultiplier = " << t.multiplier << "ull;\n";
        writeArray(out, "std::uint32_t", "kEvaluatorDisplacement", t.displacement);
        writeArray(out, "std::uint16_t", "kEvaluatorValues", t.values);
        writeArray(out, "std::uint16_t", "kEvaluatorFlush", t.flush);
        out << "\n} // namespace engine::odds\n";
        if (!out) {
            std::fprintf(stderr, "make_evaluator_tables: cannot write %s\n", partial.c_str());
            return 1;
        }
    }
    if (std::rename(partial.c_str(), target.c_str()) != 0) {
        std::fprintf(stderr, "make_evaluator_tables: cannot move %s into place\n", partial.c_str());
        return 1;
    }
    return 0;
}
