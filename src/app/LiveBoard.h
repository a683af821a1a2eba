// `marvola MATCH.mrv --serve [HOST:]PORT`: serves a saved match until stopped, reloading on saves.
#pragma once

#include <QHostAddress>
#include <QString>

#include <optional>

namespace marvola {

struct CommandLine;

struct ServeAddress
{
    QHostAddress host;
    quint16 port = 0;
};

// "[HOST:]PORT"; without a host, every interface. On an error returns nothing and sets error.
std::optional<ServeAddress> parseServeAddress(const QString &text, QString &error);

// Loads, refreshes and serves the match until SIGINT or SIGTERM. Returns the exit status.
int serveLiveResults(const CommandLine &commandLine);

} // namespace marvola
