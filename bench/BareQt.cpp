// The yardstick for the program's start-up: a bare Qt Widgets program that
// opens a main window showing text (a label and a plain-text editor of a few
// lines, so that it pays the font set-up any window with text pays), writes a
// small file and ends. Given "stay" after the
// file's path it stays until SIGTERM ends it with exit code 0 instead, as the
// program does, so that its memory can be read while it runs and its idling
// measured.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" void EndAtOnce(int) {
    std::_Exit(0);
}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    const bool stay = argc > 2 && std::strcmp(argv[2], "stay") == 0;
    if (stay) std::signal(SIGTERM, EndAtOnce);
    QMainWindow window;
    auto* text = new QWidget(&window);
    auto* layout = new QVBoxLayout(text);
    layout->addWidget(new QLabel(QStringLiteral("A label over a few lines of text"), text));
    auto* editor = new QPlainTextEdit(text);
    editor->setPlainText(QStringLiteral("The first line\nthe second\nand the third"));
    layout->addWidget(editor);
    window.setCentralWidget(text);
    window.resize(420, 370);
    window.show();
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) return 1;
    std::fputs("--\r\nA small file written by a bare Qt program\r\n", file);
    std::fclose(file);
    if (stay) return QApplication::exec();
    return 0;
}
