#include "engine/command_line.h"

#include <algorithm>
#include <sstream>

#include "engine/number_reader.h"

namespace vesmar {

namespace {


const AnswerOption* find_answer(const CommandLineSyntax& syntax, std::string_view name) {
  for (const AnswerOption& option : syntax.answers) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

// "--a, --b and --c"
std::string listed(const std::vector<std::string>& items, std::string_view last_joiner = "and") {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i + 1 == items.size() && i > 0) {
      text.append(" ").append(last_joiner).append(" ");
    } else if (i > 0) {
      text.append(", ");
    }
    text.append(items[i]);
  }
  return text;
}

bool must_be_given(const AnswerOption& option) {
  return option.default_value.empty() && !option.optional && option.takes != OptionTakes::Nothing;
}

Status check_complete(const CommandLineSyntax& syntax, const Arguments& arguments) {
  std::vector<std::string> missing;
  for (const AnswerOption& option : syntax.answers) {
    if (must_be_given(option) && !arguments.values.contains(option.name)) {
      missing.push_back("--" + std::string(option.name));
    }
  }
  if (!syntax.files.empty() && arguments.files.empty()) missing.push_back("a " + std::string(syntax.files));
  if (missing.empty()) return {};
  return usage_failure(listed(missing) + (missing.size() == 1 ? " is" : " are") +
                       " missing: give every answer, or none to be asked");
}

}  // namespace

Failure usage_failure(std::string message) { return Failure::usage(std::move(message)); }

const std::vector<std::string>& Arguments::all(std::string_view name) const {
  static const std::vector<std::string> kNone;
  const auto found = lists.find(name);
  return found == lists.end() ? kNone : found->second;
}

namespace {

template <class Number>
Result<Number> read_option(const Arguments& arguments, std::string_view name, std::string_view what) {
  const std::string& text = arguments[name];
  std::istringstream in(text);
  Number value{};
  in >> value;
  const std::string wrong = "the value \"" + text + "\" of --" + std::string(name);
  if (!in) {
    return usage_failure(wrong + (is_range_limit(value) ? " is out of range" : " is not " + std::string(what)));
  }
  if (in.peek() != std::char_traits<char>::eof()) return usage_failure(wrong + " is not " + std::string(what));
  return value;
}

}  // namespace

Result<double> number_option(const Arguments& arguments, std::string_view name) {
  return read_option<double>(arguments, name, "a number");
}

Result<int> integer_option(const Arguments& arguments, std::string_view name) {
  return read_option<int>(arguments, name, "a whole number");
}

Result<std::string> choice_option(const Arguments& arguments, std::string_view name,
                                  std::initializer_list<std::string_view> choices) {
  const std::string& text = arguments[name];
  std::vector<std::string> names;
  for (const std::string_view choice : choices) {
    if (text == choice) return text;
    names.emplace_back(choice);
  }
  return usage_failure("--" + std::string(name) + " takes " + listed(names, "or") + ", not \"" + text + "\"");
}

Result<CommandLine> parse_command_line(int argc, char** argv, const CommandLineSyntax& syntax) {
  CommandLine line;
  bool options_ended = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const auto value_after = [&](std::string_view option) -> Result<std::string> {
      if (i + 1 >= argc) return usage_failure(std::string(option) + " needs a value");
      return std::string(argv[++i]);
    };
    if (options_ended || argument == "-" || !argument.starts_with('-')) {
      if (syntax.files.empty()) return usage_failure("unknown argument \"" + std::string(argument) + "\"");
      line.arguments.files.emplace_back(argument);
      continue;
    }
    if (argument == "--") {
      options_ended = true;
    } else if (argument == "-h" || argument == "--help") {
      line.request = CommandLine::Request::Help;
      return line;
    } else if (argument == "-V" || argument == "--version") {
      line.request = CommandLine::Request::Version;
      return line;
    } else if (argument == "-C") {
      Result<std::string> folder = value_after(argument);
      if (!folder.ok()) return folder.failure();
      line.directories.push_back(std::move(folder.value()));
    } else if (argument.starts_with("--")) {
      const std::size_t equals = argument.find('=');
      const std::string_view name = argument.substr(2, equals == std::string_view::npos ? equals : equals - 2);
      const AnswerOption* const option = find_answer(syntax, name);
      if (option == nullptr) {
        return usage_failure("unknown option \"" + std::string(argument) + "\"");
      }
      if (option->takes != OptionTakes::Values && line.arguments.values.contains(name)) {
        return usage_failure("--" + std::string(name) + " is given twice");
      }
      std::string value;
      if (option->takes == OptionTakes::Nothing) {
        if (equals != std::string_view::npos) return usage_failure("--" + std::string(name) + " takes no value");
        value = "yes";
      } else if (equals != std::string_view::npos) {
        value = argument.substr(equals + 1);
      } else {
        Result<std::string> next = value_after(argument);
        if (!next.ok()) return next.failure();
        value = std::move(next.value());
      }
      if (option->takes == OptionTakes::Values) line.arguments.lists[std::string(name)].push_back(value);
      line.arguments.values.emplace(name, std::move(value));
    } else {
      return usage_failure("unknown option \"" + std::string(argument) + "\"");
    }
  }
  if (line.arguments.values.empty() && line.arguments.files.empty()) return line;
  if (Status complete = check_complete(syntax, line.arguments); !complete.ok()) return complete.failure();
  for (const AnswerOption& option : syntax.answers) {
    if (!option.default_value.empty()) line.arguments.values.emplace(option.name, option.default_value);
  }
  line.request = CommandLine::Request::Answers;
  return line;
}

namespace {

// "--name VALUE", "--fasta NAME..." for one given once per value, "--switch".
std::string option_synopsis(const AnswerOption& option) {
  std::string text = "--" + std::string(option.name);
  if (option.takes != OptionTakes::Nothing) text += " " + std::string(option.value);
  if (option.takes == OptionTakes::Values) text += "...";
  return text;
}

}  // namespace

std::string usage_line(const CommandLineSyntax& syntax) {
  std::string line = "Usage: " + std::string(syntax.program) + " [-C DIR]";
  if (syntax.answers.empty()) return line;
  line += " [";
  for (const AnswerOption& option : syntax.answers) {
    if (line.back() != '[') line += ' ';
    if (must_be_given(option)) {
      line += option_synopsis(option);
    } else {
      line.append("[").append(option_synopsis(option)).append("]");
    }
  }
  if (!syntax.files.empty()) line += " " + std::string(syntax.files);
  return line + "]";
}

std::string help_text(const CommandLineSyntax& syntax) {
  const auto entry = [](std::string_view left, std::string_view help) {
    std::string text = "  " + std::string(left);
    text.append(text.size() < 28 ? 28 - text.size() : 1, ' ');
    return text + std::string(help) + "\n";
  };
  std::string text = std::string(syntax.summary) + "\n" + usage_line(syntax) + "\n\n";
  if (!syntax.answers.empty()) {
    text +=
        "Without answers it asks its questions on standard input (a terminal, a\n"
        "file or a here-document), as always. Given all of them it asks nothing,\n"
        "shows no banner and runs no \"clear\" or\n"
        "\"PAUSE\": its progress and what it wrote go to standard error, the paths\n"
        "of the files it wrote to standard output, one a line. File names mean\n"
        "what they mean in the dialogue, inside the package folder.\n\n"
        "Answers:\n";
    for (const AnswerOption& option : syntax.answers) {
      std::string help(option.help);
      if (!option.default_value.empty()) help += " (default " + std::string(option.default_value) + ")";
      text += entry(option_synopsis(option), help);
    }
    if (!syntax.files.empty()) text += entry(syntax.files, syntax.files_help);
    text += "\n";
  }
  text += "Options:\n";
  text += entry("-C DIR", "run as if started in DIR, the folder that holds Desktop/");
  text += entry("-h, --help", "show this help");
  text += entry("-V, --version", "show the program's name and version");
  if (!syntax.example.empty()) text += "\nExample:\n  " + std::string(syntax.example) + "\n";
  text += "\nThe user guide is the Read_me file (Read_me.md, installed in share/doc/vesmar;\n"
          "docs/Read_me.md in the source tree).\n";
  return text;
}

}  // namespace vesmar
