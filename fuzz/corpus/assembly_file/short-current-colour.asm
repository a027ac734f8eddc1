[color]
HEAD=HEAD,1,2,3,4
