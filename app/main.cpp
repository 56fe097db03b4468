#include "shell/startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const Startup::Session session(app);
    return app.exec();
}
