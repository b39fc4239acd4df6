#include "cli/OutputFormat.h"

#include "cli/CommandLine.h"

namespace cli {

TextOrJson textOrJson(const Args& args)
{
    static const Choices<TextOrJson> formats{{"text", TextOrJson::Text}, {"json", TextOrJson::Json}};
    const auto chosenFormat = chosen(args, "--format", formats);
    if (!args.flag("--json"))
        return chosenFormat.value_or(TextOrJson::Text);
    if (chosenFormat == TextOrJson::Text)
        throw UsageError{"--json and --format text go apart"};
    return TextOrJson::Json;
}

} // namespace cli
