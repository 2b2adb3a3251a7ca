// Where the game reads its data and keeps the player's files: the choice at
// start-up, the command line that feeds it, and the lookups that use it.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "app/command_line.h"
#include "app/game_paths.h"
#include "app/path_choice.h"
#include "level/game.h"
#include "level/level_writer.h"
#include "level/list_file.h"
#include "level/progress.h"
#include "menu/menu_setup.h"
#include "physics/simulation.h"
#include "level_test_folder.h"

namespace {

/// A made-up machine: environment variables and the folders that hold data.
struct FakeMachine {
    std::map<std::string, std::string> env{{"HOME", "/home/ann"}};
    std::set<std::string> dataFolders;
    std::set<std::string> folders;

    PathChoice choose(const std::string& dataOption = "", const std::string& userOption = "") const
    {
        PathInputs in;
        in.dataDirOption = dataOption;
        in.userDirOption = userOption;
        in.environment = [this](const char* name) -> const char* {
            auto it = env.find(name);
            return it == env.end() ? nullptr : it->second.c_str();
        };
        in.homeDir = "/home/account";
        in.executableDir = "/opt/tl/bin";
        in.workingDir = "/home/ann/work";
        in.holdsGameData = [this](const std::string& dir) { return dataFolders.count(dir) > 0; };
        in.isFolder = [this](const std::string& dir) { return folders.count(dir) > 0; };
        return choosePaths(in);
    }
};

void expectPortableHere(const PathChoice& choice)
{
    EXPECT_TRUE(choice.portable);
    EXPECT_EQ(choice.paths.dataDir, ".");
    EXPECT_EQ(choice.paths.userDir, ".");
    EXPECT_EQ(choice.paths.stateDir, ".");
    EXPECT_EQ(choice.paths.configDir, ".");
}

/// Restores the paths of the portable game folder after a test changed them.
struct PathsGuard {
    ~PathsGuard() { setGamePaths(GamePaths{}); }
};

} // namespace

TEST(GamePathChoice, AGameFolderRunsWhereItIsAsAlways)
{
    FakeMachine machine;
    machine.folders = {"/opt/tl/share/tangloop"};
    machine.dataFolders = {"/home/ann/work", "/opt/tl/bin"};
    PathChoice choice = machine.choose();
    expectPortableHere(choice);
    EXPECT_EQ(choice.changeToDir, "");

    // Started from elsewhere, the game enters the folder of its binary.
    machine.dataFolders = {"/opt/tl/bin"};
    choice = machine.choose();
    expectPortableHere(choice);
    EXPECT_EQ(choice.changeToDir, "/opt/tl/bin");

    // Nothing found anywhere: today's behaviour, which names what is missing.
    machine.dataFolders.clear();
    machine.folders.clear();
    expectPortableHere(machine.choose());
}

TEST(GamePathChoice, InstalledDataBesideTheBinaryWithPlayerFilesInXdgFolders)
{
    FakeMachine machine;
    machine.folders = {"/opt/tl/share/tangloop"};
    PathChoice choice = machine.choose();
    EXPECT_FALSE(choice.portable);
    EXPECT_EQ(choice.changeToDir, "");
    EXPECT_EQ(choice.paths.dataDir, "/opt/tl/share/tangloop");
    EXPECT_EQ(choice.paths.userDir, "/home/ann/.local/share/tangloop");
    EXPECT_EQ(choice.paths.stateDir, "/home/ann/.local/state/tangloop");
    EXPECT_EQ(choice.paths.configDir, "/home/ann/.config/tangloop");

    // Absolute XDG folders are used; empty or relative ones are ignored.
    machine.env["XDG_DATA_HOME"] = "/x/data/";
    machine.env["XDG_STATE_HOME"] = "relative/state";
    machine.env["XDG_CONFIG_HOME"] = "";
    choice = machine.choose();
    EXPECT_EQ(choice.paths.userDir, "/x/data/tangloop");
    EXPECT_EQ(choice.paths.stateDir, "/home/ann/.local/state/tangloop");
    EXPECT_EQ(choice.paths.configDir, "/home/ann/.config/tangloop");

    // A relative HOME falls back to the account's home; with neither there
    // is nowhere to keep the player's files.
    machine.env = {{"HOME", "ann"}};
    EXPECT_EQ(machine.choose().paths.userDir, "/home/account/.local/share/tangloop");
    PathInputs none;
    none.executableDir = "/opt/tl/bin";
    none.isFolder = [](const std::string&) { return true; };
    choice = choosePaths(none);
    EXPECT_FALSE(choice.portable);
    EXPECT_EQ(choice.paths.userDir, "");
    EXPECT_EQ(choice.paths.stateDir, "");
}

TEST(GamePathChoice, OptionsBeatEnvironmentBeatDiscovery)
{
    FakeMachine machine;
    machine.dataFolders = {"/home/ann/work"};
    machine.env["TANGLOOP_DATA_DIR"] = "/env/data";
    machine.env["TANGLOOP_USER_DIR"] = "/env/user";

    // A data folder asked for is never written: installed mode, even over a
    // working folder that holds data.
    PathChoice choice = machine.choose("../mine/./data/");
    EXPECT_FALSE(choice.portable);
    EXPECT_EQ(choice.paths.dataDir, "/home/ann/mine/data");
    EXPECT_EQ(choice.paths.userDir, "/env/user");
    EXPECT_EQ(choice.paths.stateDir, "/env/user");
    EXPECT_EQ(choice.paths.configDir, "/env/user");

    choice = machine.choose("", "saves");
    EXPECT_EQ(choice.paths.dataDir, "/env/data");
    EXPECT_EQ(choice.paths.userDir, "/home/ann/work/saves");

    // An empty variable counts as unset.
    machine.env["TANGLOOP_DATA_DIR"] = "";
    machine.env["TANGLOOP_USER_DIR"] = "";
    expectPortableHere(machine.choose());
}

TEST(GamePathChoice, AskedForDataFolderMustHoldTheGame)
{
    // A mistyped --data-dir, or one naming an empty or unrelated folder, is
    // refused before a window opens; it used to open a black window that only
    // closing could leave.
    FakeMachine machine;
    machine.folders = {"/srv/empty", "/srv/game"};
    machine.dataFolders = {"/srv/game"};
    PathInputs in;
    in.isFolder = [&](const std::string& dir) { return machine.folders.count(dir) > 0; };
    in.holdsGameData = [&](const std::string& dir) { return machine.dataFolders.count(dir) > 0; };

    EXPECT_EQ(dataFolderProblem(in, "/srv/game"), "");
    EXPECT_EQ(dataFolderProblem(in, "/srv/none"), "there is no folder /srv/none");
    EXPECT_EQ(dataFolderProblem(in, "/srv/empty"), "the folder /srv/empty holds no game data (menusetup.txt is missing)");
}

TEST(GameCommandLine, OptionsTakeArgumentsBothWaysAndBadLinesAreRefused)
{
    CommandLine line = parseCommandLine({"--data-dir", "/d", "--user-dir=/u", "--", "--help"});
    EXPECT_EQ(line.action, CommandLine::Action::Run);
    EXPECT_EQ(line.dataDir, "/d");
    EXPECT_EQ(line.userDir, "/u");
    EXPECT_EQ(line.files, std::vector<std::string>{"--help"});

    EXPECT_EQ(parseCommandLine({"--help"}).action, CommandLine::Action::Help);
    EXPECT_EQ(parseCommandLine({"--version"}).action, CommandLine::Action::Version);
    EXPECT_FALSE(parseCommandLine({}).display.fullscreen.has_value()) << "the stored choice stands";
    EXPECT_EQ(parseCommandLine({"--fullscreen", "--window"}).display.fullscreen, false) << "the last one wins";
    EXPECT_TRUE(parseCommandLine({"--mute", "level.txt"}).mute);
    EXPECT_FALSE(parseCommandLine({}).mute);

    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"--bogus"}, {"-x"}, {"--data-dir"}, {"--user-dir="}, {"--help=yes"}, {"--mute=1"}, {"--data-dir=/d", "--nope"}}) {
        const CommandLine refused = parseCommandLine(bad);
        EXPECT_EQ(refused.action, CommandLine::Action::Error) << bad.front();
        EXPECT_FALSE(refused.error.empty());
    }
    EXPECT_NE(parseCommandLine({"--bogus"}).error.find("--bogus"), std::string::npos);

    // The usage lists every option of the table.
    const std::string usage = usageText();
    for (const OptionSpec& option : commandLineOptions())
        EXPECT_NE(usage.find(option.name), std::string::npos) << option.name;
    EXPECT_EQ(versionText().rfind("tangloop ", 0), 0u);
}

TEST(GameFiles, PlayerFilesComeFirstAndInstalledDataIsOnlyRead)
{
    PathsGuard guard;
    TestFolder data, user;
    std::filesystem::create_directories(data.path("levels"));
    std::filesystem::create_directories(user.path("levels"));
    data.write("levels/Ramp.txt", "shipped");
    data.write("levels/Well.txt", "shipped");
    user.write("levels/RAMP.TXT", "own");
    data.write("levels.txt", "<Ramp><Well>");
    std::filesystem::permissions(data.path("levels.txt"), std::filesystem::perms::owner_read);

    // The portable game folder: names are used as they are.
    EXPECT_EQ(findGameFile("levels/Ramp.txt"), "levels/Ramp.txt");
    Game game;
    placeGameFiles(game);
    EXPECT_EQ(game.levelsFile, "levels.txt");
    EXPECT_EQ(game.configFile, "config.txt");
    EXPECT_FALSE(game.readOnlyData);

    GamePaths installed;
    installed.dataDir = data.root();
    installed.userDir = installed.stateDir = user.root();
    setGamePaths(installed);
    EXPECT_EQ(findGameFile("levels/Ramp.txt"), user.path("levels/RAMP.TXT"));  // as spelled on disk
    EXPECT_EQ(findGameFile("levels/Well.txt"), data.path("levels/Well.txt"));
    EXPECT_EQ(findGameFile("/abs/x.bmp"), "/abs/x.bmp");

    // A read-only installed list still lists its levels, and nothing is
    // written beside it.
    placeGameFiles(game);
    EXPECT_EQ(game.configFile, user.path("config.txt"));
    scanLevels(game, stateFilePath(kLevelsLog));
    ASSERT_EQ(game.levels.size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(user.path("levels.log")));
    EXPECT_FALSE(std::filesystem::exists(data.path("levels.log")));

    // Editor saves go into the player's folder under the name shown.
    Simulation world;
    const LevelSaveResult saved = saveLevelFile(world, "", "hill", user.root());
    EXPECT_TRUE(saved.written);
    EXPECT_EQ(saved.fileName, "hill.TXT");
    EXPECT_TRUE(std::filesystem::exists(user.path("hill.TXT")));

    // No per-user folder: no progress file and no logs, and no crash.
    installed.userDir = installed.stateDir = "";
    setGamePaths(installed);
    placeGameFiles(game);
    EXPECT_EQ(game.configFile, "");
    testing::internal::CaptureStderr();
    game.completedLevels = 2;
    EXPECT_FALSE(writeProgress(game));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");  // the player was told once, at start
    EXPECT_EQ(stateFilePath(kLevelsLog), "");
    game.levels.clear();
    scanLevels(game, stateFilePath(kLevelsLog));
    EXPECT_EQ(game.levels.size(), 2u);
    EXPECT_EQ(findGameFile("levels/Ramp.txt"), data.path("levels/Ramp.txt"));
}

TEST(GameFiles, NamesInTheMenuDescriptionResolveInTheDataFolderWhereverTheGameStarted)
{
    PathsGuard guard;
    TestFolder data, home;
    std::filesystem::create_directories(data.path("menu"));
    data.write("menusetup.txt", "(0)[0]{0}<menu_title.bmp>{1}<title>{2}<menu/title.txt>");
    data.write("menu/title.txt", "(0){0}<3>{1}<2>");
    // A launcher starts the game in the player's home, which holds a stray
    // file of the same name that must not be read.
    std::filesystem::create_directories(home.path("menu"));
    home.write("menu/title.txt", "(0){0}<9>{1}<9>");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(home.root());

    GamePaths installed;
    installed.dataDir = data.root();
    installed.userDir = installed.stateDir = home.path("user");
    setGamePaths(installed);
    std::vector<Menu> screens;
    readMenuSetup(screens, findGameFile("menusetup.txt"));
    std::filesystem::current_path(before);

    ASSERT_EQ(screens.size(), 1u);
    EXPECT_EQ(screens[0].level.size.x, 3.0f);
    EXPECT_EQ(screens[0].level.size.y, 2.0f);
    EXPECT_EQ(findGameFile(screens[0].pictureFile), data.path("menu_title.bmp"));
    EXPECT_EQ(findGameFile(themePicturePath("Sky")), data.path("Themes/Sky.bmp"));
}
