// Get-up skill of rovan and rovan-penalty; rovan-keeper has its own.
