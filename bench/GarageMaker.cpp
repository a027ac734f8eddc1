#include "GarageMaker.h"

#include "document/AssemblyFile.h"
#include "document/DocumentService.h"

#include <filesystem>
#include <fstream>
#include <random>

namespace {

const char* const kFolders[] = {"", "対戦用/", "対戦用/重量級/", "試作/", "old/"};
const char* const kNames[] = {"へっぽこ", "Nineball", "月光", "Raven", "重装", "KARASAWA", "疾風", "砂嵐"};
const char* const kPilots[] = {"へっぽこレイブン", "Hustler", "ジナイーダ", "gaga", "Fox", "傭兵"};

rivet::Selection randomSelection(const rivet::PartsTable& table, std::mt19937& random)
{
    rivet::Selection selection;
    for (rivet::Selector selector : rivet::allSelectors()) {
        const int count = table.itemCount(rivet::slotOfSelector(selector));
        selection.setPosition(selector, std::uniform_int_distribution<int>(0, count - 1)(random));
    }
    for (int n = 1; n <= rivet::kOptionCount; ++n) {
        selection.setOption(n, random() % 4 == 0);
    }
    return selection;
}

} // namespace

void makeGarage(const rivet::PartsTable& table, const std::string& folder, int count, unsigned seed)
{
    std::mt19937 random(seed);
    const std::filesystem::path root(folder);
    for (const char* sub : kFolders) {
        std::filesystem::create_directories(root / sub);
    }
    auto document = rivet::startAsTheWindowDoes(table);
    for (int i = 0; i < count; ++i) {
        document->setSelection(randomSelection(table, random));
        const std::string number = std::to_string(i + 1);
        document->setText(rivet::TextField::MachineName, kNames[random() % std::size(kNames)] + number);
        document->setText(rivet::TextField::PilotName, kPilots[random() % std::size(kPilots)]);
        document->setDescription("生成された機体 " + number + "\n対戦用の試作");
        const std::string sub = kFolders[random() % std::size(kFolders)];
        std::ofstream(root / (sub + "machine" + number + ".asm"), std::ios::binary)
            << rivet::assemblyFileBytes(document->machine());
    }
}
