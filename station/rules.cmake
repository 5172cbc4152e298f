# portable rules: filled in by the station rules work
