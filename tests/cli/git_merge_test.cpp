// The README's git set-up, run as it stands in a repository of the test's own: two designers
// change cells of the same map row on two branches. What a conflict says and its status, the
// merge command's tests tell.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <regex>

#include "level/level_file.h"
#include "support/level_text.h"
#include "support/temp_folder.h"

namespace {

struct GitRepository : ::testing::Test, TempFolder {
  GitRepository() {
    // The README's lines call the tool by name.
    const std::string tool = CAVERNIA_LEVEL_TOOL;
    const std::string path = tool.substr(0, tool.rfind('/')) + ":" + std::getenv("PATH");
    ::setenv("PATH", path.c_str(), 1);
    for (const char* variable : {"GIT_DIR", "GIT_WORK_TREE", "GIT_INDEX_FILE"}) ::unsetenv(variable);
    ::setenv("GIT_CONFIG_GLOBAL", "/dev/null", 1);  // no hooks, signing or pager of the machine's user
    ::setenv("GIT_CONFIG_NOSYSTEM", "1", 1);
  }

  // Runs a shell command in the repository, which must succeed; returns what it printed.
  std::string run(const std::string& command) const {
    const std::string line = "cd '" + dir.string() + "' && { " + command + "; } 2>&1";
    FILE* pipe = ::popen(line.c_str(), "r");
    std::string output;
    char buffer[4096];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
    EXPECT_EQ(::pclose(pipe), 0) << command << "\n" << output;
    return output;
  }

  void saveAndCommit(const Level& level, const std::string& message) const {
    ASSERT_TRUE(saveLevelFile(level, (dir / "row.lev").string()).ok);
    run("git add -A && git commit -q -m '" + message + "'");
  }
};

TEST_F(GitRepository, GitShowsCellsAndMergesDifferentCellsOfOneRowCleanly) {
  // A repository set up as the README says, with one level committed on the branch main.
  run("git init -q -b main && git config user.name Tester && git config user.email t@example.org");
  const std::regex setupLine("^(git config (merge|diff)\\.cavernia.*|echo '\\*\\.lev.*gitattributes)$");
  std::istringstream lines(fileBytes(std::string(CAVERNIA_SOURCE_DIR) + "/README.md"));
  int found = 0;
  for (std::string line; std::getline(lines, line);)
    if (std::regex_match(line, setupLine)) {
      run(line);
      ++found;
    }
  EXPECT_EQ(found, 3) << "the README gives the three set-up lines";
  Level base = sizedLevel(12, 5);
  base.setText(Property::Name, "Row Work");
  base.setElement(0, 0, EL_PLAYER1);
  saveAndCommit(base, "base");

  Level theirs = base;
  theirs.setElement(9, 3, EL_RUBY);
  run("git checkout -q -b theirs");
  saveAndCommit(theirs, "theirs");
  Level ours = base;
  ours.setElement(1, 3, EL_EMERALD);
  ours.setText(Property::Name, "Row Work (ours)");
  run("git checkout -q main");
  saveAndCommit(ours, "ours");

  // git diff shows cells through the configured command.
  EXPECT_EQ(run("git diff HEAD~1 HEAD"), "level row.lev\n  property Level name: \"Row Work\" -> \"Row Work (ours)\"\n"
                                        "  cell 1, 3: Empty -> Emerald\n");

  run("git merge -q --no-edit theirs");
  Level expected = ours;
  expected.setElement(9, 3, EL_RUBY);
  Level merged;
  ASSERT_TRUE(readLevelFile((dir / "row.lev").string(), merged).ok) << "the result is a level";
  EXPECT_EQ(levelText(merged), levelText(expected));
}

}  // namespace
