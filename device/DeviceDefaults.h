#pragma once
// Factory defaults of a settings category. Each builds the target as a copy of
// the source (versions included) and then puts that category's settings back
// to what the source's model and firmware have out of the factory.

class DeviceConfig;

void MakeBasicDefaults(DeviceConfig& target, const DeviceConfig& source);
void MakeFmRadioDefaults(DeviceConfig& target, const DeviceConfig& source);
void MakeSpeedDialDefaults(DeviceConfig& target, const DeviceConfig& source);
