#include "saver/SaverSettings.h"

#include "saver/SaverCommand.h"
#include "widgets/ColourRows.h"

#include <QSettings>

#include <algorithm>

namespace {

const char *const intervalKey = "interval";

QString boundKey(std::size_t row)
{
    return QString::fromLatin1(saverBoundOptions[row]);
}

QSettings userStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("kaleidra"),
                     QStringLiteral("kaleidra-saver"));
}

} // namespace

SaverSettings SaverSettings::read(QSettings &store)
{
    SaverSettings settings;
    for (std::size_t row = 0; row < settings.bounds.size(); ++row)
        settings.bounds[row] = store.value(boundKey(row), settings.bounds[row]).toInt();
    settings.intervalSeconds = store.value(QLatin1String(intervalKey), settings.intervalSeconds).toInt();
    settings.makeValid();
    return settings;
}

bool SaverSettings::write(QSettings &store) const
{
    for (std::size_t row = 0; row < bounds.size(); ++row)
        store.setValue(boundKey(row), bounds[row]);
    store.setValue(QLatin1String(intervalKey), intervalSeconds);
    store.sync();
    return store.status() == QSettings::NoError;
}

SaverSettings SaverSettings::readUser()
{
    QSettings store = userStore();
    return read(store);
}

bool SaverSettings::writeUser() const
{
    QSettings store = userStore();
    return write(store);
}

void SaverSettings::applyOptions(const SaverCommand &command)
{
    for (std::size_t row = 0; row < bounds.size(); ++row)
        bounds[row] = command.bounds[row].value_or(bounds[row]);
    intervalSeconds = command.intervalSeconds.value_or(intervalSeconds);
    makeValid();
}

void SaverSettings::copyBoundsTo(kaleidra::PatternState &state) const
{
    static_assert(colourRows.size() == std::tuple_size_v<decltype(bounds)>);
    for (std::size_t row = 0; row < colourRows.size(); ++row)
        boundOf(state.bounds, colourRows[row]) = std::int16_t(bounds[row]);
}

void SaverSettings::makeValid()
{
    for (int &bound : bounds)
        bound = std::clamp(bound, 0, int(kaleidra::PatternState::highestLevel));
    intervalSeconds = std::clamp(intervalSeconds, minimumIntervalSeconds, maximumIntervalSeconds);
    for (std::size_t row = 0; row < colourRows.size(); ++row)
        bounds[row] = yieldingValue(colourRows[row], bounds[row], bounds[std::size_t(colourRows[row].partner)]);
}
