#pragma once

// Enters every class of the data-access layer into the class registry, so that stored
// layouts can name them (TADOConnection, TADOQuery, TDataSource, fields, links).
void RegisterDataClasses();
