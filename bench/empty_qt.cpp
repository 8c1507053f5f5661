// A program linked as quilmo-cli is, that starts Qt and does nothing: the start every
// command pays before its own work (bench/index.sh).
#include <QCoreApplication>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  return 0;
}
