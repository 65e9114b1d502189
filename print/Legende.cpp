// Placeholder until the legend is built.
